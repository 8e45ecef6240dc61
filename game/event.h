// Everything from outside that reaches the rules, as one value: a key or a click on the board,
// a command from the menu bar, a tick of one of the three timers, the Instructions window being
// closed and the main window's close box. The window, the replay tool and the web page all hand
// their events to Game::Apply, and recordings write them as script lines.
#pragma once

#include <cstdint>
#include <variant>

#include "game/commands.h"

namespace stonewick {

// The three timers, in the order they fire when due at the same instant.
enum class GameTimer : std::uint8_t {
  Main,     // every 150 ms: hardening, crawlers, smashing, scanner, and the slow tick's work
  Slow,     // every 400 ms: only marks a slow tick as due
  BadStep,  // moves the oldest walking baddie; its interval follows how many there are
};
inline constexpr int kGameTimerCount = 3;
inline constexpr GameTimer kGameTimers[kGameTimerCount] = {GameTimer::Main, GameTimer::Slow,
                                                           GameTimer::BadStep};

struct KeyPress {
  std::uint16_t key;  // a virtual key code
};

// The cell under the pointer; anything outside 0..21 (the window sends (-1, -1)) is no cell.
struct BoardClick {
  std::int32_t col;
  std::int32_t row;
};

struct MenuChoice {
  MenuCommand command;
};

struct TimerTick {
  GameTimer timer;
};

struct InstructionsClosed {};

// The main window's close box: the window closes by itself, and the game ends as with Exit.
struct CloseBoxUsed {};

using Event =
    std::variant<KeyPress, BoardClick, MenuChoice, TimerTick, InstructionsClosed, CloseBoxUsed>;

// Exit and the close box end the game whatever state it is in.
inline bool EndsTheGame(const Event& event) {
  const auto* choice = std::get_if<MenuChoice>(&event);
  return std::holds_alternative<CloseBoxUsed>(event) ||
         (choice != nullptr && choice->command == MenuCommand::Exit);
}

}  // namespace stonewick
