// The one way into the rules from outside: an event is applied, and while it runs the rules'
// yield points are counted, so that events arriving at them can be placed there exactly.
#include <type_traits>

#include "game/game.h"

namespace stonewick {

void Game::Apply(const Event& event) {
  nesting.Enter();
  std::visit(
      [this](const auto& happened) {
        using Kind = std::decay_t<decltype(happened)>;
        if constexpr (std::is_same_v<Kind, KeyPress>) {
          KeyPressed(happened.key);
        } else if constexpr (std::is_same_v<Kind, BoardClick>) {
          CellClicked(happened.col, happened.row);
        } else if constexpr (std::is_same_v<Kind, MenuChoice>) {
          RunCommand(happened.command);
        } else if constexpr (std::is_same_v<Kind, TimerTick>) {
          TimerFired(happened.timer);
        } else if constexpr (std::is_same_v<Kind, InstructionsClosed>) {
          instructionsColour = 0;  // the next opening draws a new pastel
        } else {
          static_assert(std::is_same_v<Kind, CloseBoxUsed>);
          // The window is closing by itself; the rules have nothing to do.
        }
      },
      event);
  nesting.Leave();
}

void Game::LetEventsIn() {
  nesting.Reach();
  host.RunPendingEvents();
}

void Game::Tell(GameBox message) {
  nesting.Reach();
  host.ShowMessage(message);
}

char Game::Ask(GameBox question) {
  nesting.Reach();
  return host.AskYesNoCancel(question);
}

}  // namespace stonewick
