// What the Qt host needs of the main window: the board, the read-outs, the three timers and
// the menu commands the rules change. The window implements it; the host only sees this.
#pragma once

#include <QString>
#include <cstdint>

#include "game/host.h"

namespace stonewick {

class GameScreen {
 public:
  virtual ~GameScreen() = default;

  virtual void DrawTile(int col, int row, std::int32_t code) = 0;
  virtual void ShowReadout(Readout readout, const QString& text) = 0;
  // Starting timers that already run keeps their phase; stopping them forgets it.
  virtual void SetTimersRunning(bool running) = 0;
  // The same interval again changes nothing; a new one restarts a running timer.
  virtual void SetBadStepInterval(int ms) = 0;
  virtual void ShowPauseCommand(const QString& caption) = 0;
  virtual void EnableSkipCommand(bool enabled) = 0;
  virtual void CloseWindow() = 0;
};

}  // namespace stonewick
