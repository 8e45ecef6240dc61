// The rules' view of the page: cells go to a canvas, read-outs and commands to the page's
// window, boxes open at the pointer, and the timers and the clock are the browser's. A page
// cannot block, so every wait (the event loop, a yield point, a smash frame, an open box)
// lets the browser run and comes back where it left off; input that the page queued
// meanwhile reaches the rules inside the step that waited, as on the desktop.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "game/board.h"
#include "game/cells.h"
#include "game/dump.h"
#include "game/event.h"
#include "game/host.h"
#include "web/page_recorder.h"
#include "web/page_timers.h"
#include "web/tile_pixels.h"

namespace stonewick {
class Game;
}

namespace stonewick::page {

class PageHost final : public Host {
 public:
  static constexpr int kCellPixels = 16;
  static constexpr int kBoardPixels = kBoardSize * kCellPixels;

  PageHost();

  // Opens the window on the game and runs it until the page closes: the menu and read-outs
  // as the window starts, the recording when the address asks for one, the first Power,
  // level 1, then every event as it comes.
  void Run(Game& game);
  // Every event from outside reaches the rules through here, and is written down while a
  // recording runs.
  void Deliver(const Event& event);

  // Draws into the board's pixels at once; the canvas shows them whenever the page lets
  // the browser run.
  void DrawCell(int col, int row, std::int32_t code) override;
  void ShowReadout(Readout readout, const std::string& text) override;
  void RunPendingEvents() override;
  void ShowMessage(const std::string& message) override;
  char AskYesNoCancel(const std::string& message) override;
  void SetTimersRunning(bool running) override;
  void SetBadStepInterval(std::int32_t ms) override;
  double Now() override;
  std::uint32_t ClockReading() override;
  void PauseMs(std::int32_t ms) override;
  void ShowPauseCommand(const std::string& caption) override;
  void EnableSkipCommand(bool enabled) override;
  void CloseMainWindow() override;
  void ShowInstructions(int colour) override;
  void ShowAbout() override;

 private:
  // What the window shows of the game, and the whole state with it as a dump.
  WindowItems ShownItems() const;
  std::string StateText() const;
  // Runs what waits: the input the page queued, oldest first, and the ticks that are due.
  void RunWaitingEvents();
  // Lets the browser run until there is something to do or the box is answered.
  void WaitForInput();
  char RunBox(bool question, const std::string& message);
  // Brings the canvas up to date with the cells drawn since the last time.
  void Present();

  Game* game_ = nullptr;
  // Picture N shows cell code N.
  std::array<Picture, kCellCodeCount> tiles_;
  PageTimers timers_;
  std::array<std::string, kReadoutCount> readouts_;  // as shown, by Readout
  std::string pauseCaption_ = kPauseCaption;
  std::unique_ptr<PageRecorder> recorder_;  // null: not recording
  // The board's pixels, row by row; the part drawn since the last Present, in cells.
  std::array<std::uint32_t, kBoardPixels * kBoardPixels> pixels_{};
  int dirtyLeft_ = kBoardSize;
  int dirtyTop_ = kBoardSize;
  int dirtyRight_ = -1;
  int dirtyBottom_ = -1;
  bool closed_ = false;
};

}  // namespace stonewick::page
