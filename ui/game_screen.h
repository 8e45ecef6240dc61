// What the Qt front end needs of the main window: the board, the read-outs, the menu commands
// the game changes, the windows the menu opens and the playback's place on the screen. The
// window implements it; the front end only sees this.
#pragma once

#include <QString>
#include <cstdint>

#include "game/commands.h"
#include "game/host.h"

namespace stonewick {

struct WatchStatus;

class GameScreen {
 public:
  virtual ~GameScreen() = default;

  // The cell's code has changed: it shows anew by the next time window messages are processed.
  virtual void CellChanged(int col, int row) = 0;
  virtual void ShowReadout(Readout readout, const QString& text) = 0;
  virtual void ShowPauseCommand(const QString& caption) = 0;
  virtual void EnableCommand(MenuCommand command, bool enabled) = 0;
  // Closes the main window, which ends the program.
  virtual void CloseWindow() = 0;
  // Opens the Instructions window on pastel `colour` (1 to 6), or brings it to the front;
  // 0 closes it.
  virtual void ShowInstructions(int colour) = 0;
  virtual void ShowAbout(bool shown) = 0;
  // Where a recording that plays stands.
  virtual void ShowWatching(const WatchStatus& status) = 0;
};

}  // namespace stonewick
