// What the Qt host needs of the main window: the board, the read-outs, the three timers, the
// menu commands the rules change and the windows the menu opens. The window implements it; the
// host only sees this.
#pragma once

#include <QString>
#include <cstdint>

#include "game/host.h"

namespace stonewick {

class GameScreen {
 public:
  virtual ~GameScreen() = default;

  // The cell's code has changed: it shows anew by the next time window messages are processed.
  virtual void CellChanged(int col, int row) = 0;
  virtual void ShowReadout(Readout readout, const QString& text) = 0;
  // Starting timers that already run keeps their phase; stopping them forgets it.
  virtual void SetTimersRunning(bool running) = 0;
  // The same interval again changes nothing; a new one restarts a running timer.
  virtual void SetBadStepInterval(int ms) = 0;
  virtual void ShowPauseCommand(const QString& caption) = 0;
  virtual void EnableSkipCommand(bool enabled) = 0;
  virtual void CloseWindow() = 0;
  // Opens the Instructions window on pastel `colour` (1 to 6), or brings it to the front.
  virtual void ShowInstructions(int colour) = 0;
  virtual void ShowAbout() = 0;
};

}  // namespace stonewick
