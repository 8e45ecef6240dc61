// The rules' view of the page: cells go to a canvas, read-outs and commands to the page's
// window, boxes open at the pointer, and the timers and the clock are the browser's. A page
// cannot block, so every wait (the event loop, a yield point, a smash frame, an open box)
// lets the browser run and comes back where it left off; input that the page queued
// meanwhile reaches the rules inside the step that waited, as on the desktop.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/board.h"
#include "game/cells.h"
#include "game/commands.h"
#include "game/host.h"
#include "web/page_event.h"
#include "web/page_timers.h"
#include "web/tile_pixels.h"

namespace stonewick {
class Game;
}

namespace stonewick::page {

// Told of every event as it starts and ends, of every yield point of a running event, and
// of what the rules take from the player and the clock: where a recording hooks in.
class EventWatcher {
 public:
  virtual void EventStarting(const Event& event) = 0;
  virtual void EventEnded() = 0;
  virtual void YieldPoint() = 0;
  virtual void Answered(char answer) = 0;
  virtual void ClockRead(std::uint32_t reading) = 0;

 protected:
  ~EventWatcher() = default;
};

class PageHost final : public Host {
 public:
  static constexpr int kCellPixels = 16;
  static constexpr int kBoardPixels = kBoardSize * kCellPixels;

  PageHost();

  // Opens the window on the game and runs it until the page closes: the menu and read-outs
  // as the window starts, the first Power, level 1, then every event as it comes.
  void Run(Game& game);
  // Every event from outside reaches the rules through here.
  void DeliverEvent(const Event& event);
  // nullptr: nobody watches.
  void SetWatcher(EventWatcher* watcher) { watcher_ = watcher; }

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

 private:
  // What each kind of event does; the Instructions and About commands are the page's own.
  void Apply(const KeyPress& key);
  void Apply(const BoardClick& click);
  void Apply(const MenuChoice& choice);
  void Apply(const TimerTick& tick);
  void Apply(const InstructionsClosed& closed);
  void Apply(const CloseBoxUsed& used);
  // The two windows the menu opens: Instructions on a pastel of colour number 1 to 6, About
  // at the pointer.
  void ShowInstructions(int colourNumber);
  void ShowAbout();
  // Runs what waits: the input the page queued, oldest first, and the ticks that are due.
  void RunWaitingEvents();
  void ReachYieldPoint();
  // Lets the browser run until there is something to do or the box is answered.
  void WaitForInput();
  char RunBox(bool question, const std::string& message);
  // Brings the canvas up to date with the cells drawn since the last time.
  void Present();

  Game* game_ = nullptr;
  // Picture N shows cell code N.
  std::array<Picture, kCellCodeCount> tiles_;
  PageTimers timers_;
  EventWatcher* watcher_ = nullptr;
  // The board's pixels, row by row; the part drawn since the last Present, in cells.
  std::array<std::uint32_t, kBoardPixels * kBoardPixels> pixels_{};
  int dirtyLeft_ = kBoardSize;
  int dirtyTop_ = kBoardSize;
  int dirtyRight_ = -1;
  int dirtyBottom_ = -1;
  bool instructionsOpen_ = false;
  int instructionsColour_ = 1;
  bool closed_ = false;
};

}  // namespace stonewick::page
