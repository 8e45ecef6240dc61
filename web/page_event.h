// Everything from outside that reaches the rules in the page: a key or a click on the board,
// a command from the menu bar, a tick of one of the three timers, the Instructions window
// being closed and the main window's close box. One small type per kind, and one type for
// any of them, so that the page hands each to the rules in one place.
#pragma once

#include <cstdint>
#include <variant>

#include "game/commands.h"

namespace stonewick::page {

enum class GameTimer { Main, Slow, BadStep };
inline constexpr int kTimerCount = 3;

struct KeyPress {
  std::uint16_t key;  // the virtual key code
};
// The cell under the pointer; (-1, -1) over no cell.
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
struct CloseBoxUsed {};

using Event =
    std::variant<KeyPress, BoardClick, MenuChoice, TimerTick, InstructionsClosed, CloseBoxUsed>;

}  // namespace stonewick::page
