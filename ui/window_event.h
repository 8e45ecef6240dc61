// Everything from outside that reaches the rules: a key or a click on the board, a command
// from the menu bar, a tick of one of the three timers, the Instructions window being closed
// and the main window's close box.
#pragma once

#include <cstdint>

#include "game/commands.h"

namespace stonewick {

enum class GameTimer { Main, Slow, BadStep };

struct WindowEvent {
  enum class Kind { Key, Click, Menu, Timer, CloseInstructions, CloseBox };

  static WindowEvent Key(std::uint16_t key) { return {Kind::Key, key}; }
  // The cell under the pointer; (-1, -1) over no cell.
  static WindowEvent Click(int col, int row) { return {Kind::Click, 0, col, row}; }
  static WindowEvent Menu(MenuCommand command) { return {Kind::Menu, 0, 0, 0, command}; }
  static WindowEvent Tick(GameTimer timer) {
    return {Kind::Timer, 0, 0, 0, MenuCommand::Exit, timer};
  }
  static WindowEvent CloseInstructions() { return {Kind::CloseInstructions}; }
  static WindowEvent CloseBox() { return {Kind::CloseBox}; }

  Kind kind;
  std::uint16_t key = 0;
  int col = 0;
  int row = 0;
  MenuCommand command = MenuCommand::Exit;
  GameTimer timer = GameTimer::Main;
};

}  // namespace stonewick
