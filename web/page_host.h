// The page's side of the session: cells go to a canvas, read-outs and commands to the page's
// window, boxes open at the pointer, the clock is the browser's, and a recording the player
// opens (a button, a file dropped on the page, or ?play=NAME) is watched in the page. A page
// cannot block, so every wait (the event loop, a yield point, a smash frame, an open box)
// lets the browser run and comes back where it left off; input that the page queued
// meanwhile reaches the session inside the step that waited, as on the desktop.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/cells.h"
#include "lib/xpm_picture.h"
#include "recording_format/recording.h"
#include "session/core/front_end.h"
#include "session/core/session.h"
#include "session/watching/watching.h"

namespace stonewick::page {

class PageHost final : public FrontEnd, private RecordingSink {
 public:
  static constexpr int kCellPixels = 16;
  static constexpr int kBoardPixels = kBoardSize * kCellPixels;

  PageHost();

  // Opens the window on the game and runs it until the page closes: the menu and read-outs
  // as the window starts, level 1, the recording when the address asks for one, then every
  // event as it comes and every recording the player opens.
  void Run();

  // Showing the game.
  void DrawCell(int col, int row, std::int32_t code) override;
  void ShowReadout(Readout readout, const ReadoutValue& value) override;
  void ShowPauseCommand(PauseOffer offer) override;
  void EnableCommand(MenuCommand command, bool enabled) override;
  void ShowInstructions(int colour) override;
  void ShowAbout(bool shown) override;
  void CloseMainWindow() override;
  void ShowDump(const std::string&) override {}
  // Boxes.
  char RunModalBox(GameBox box) override;
  void OpenScriptedBox(GameBox box) override;
  void CloseScriptedBox(bool answered, char answer) override;
  // Time.
  double LocalDays() override;
  std::int64_t SteadyMs() override;
  std::uint32_t ClockReading() override;
  void Sleep(std::int32_t ms) override;
  // The event loop.
  void LetEventsIn() override;
  void WakeAfter(std::int64_t ms) override;
  void Idle(std::int64_t ms) override;
  void EndIdle() override {}
  // Watching a recording.
  void ShowWatching(const WatchStatus& status) override;
  bool TellVerdict(const WatchVerdict& verdict, bool differs) override;
  void ShowWatchKeys() override;

 private:
  // RecordingSink: the page script keeps the recording, and offers it once it has ended.
  bool Write(const std::string& text) override;
  void Stopped(const std::string& why) override;
  void GaveWay() override;

  // Hands the input the page queued to the session, oldest first; a recording to watch waits
  // for the event loop.
  void TakeInput();
  // The text and name of the recording the page hands over next.
  std::string TakeOpenedText(std::string& name);
  // Hands the recording the player opened to the session, which watches it once it can be
  // played; says why when it cannot. A `live` game goes on arriving.
  void OpenRecording(bool live);
  // What arrived of the live game watched, and its end.
  void ReadMoreOfLiveGame();
  void CompleteLiveGame();
  // Milliseconds until the session's wake-up is due; -1 for none.
  std::int64_t MsUntilWakeUp();
  // Lets the browser run for at most `ms` (-1: until input comes), then takes the input.
  void WaitForInput(std::int64_t ms);
  // Brings the canvas up to date with the cells drawn since the last time.
  void Present();

  Session session_{*this};
  // Picture N shows cell code N.
  std::array<XpmPicture, kCellCodeCount> tiles_;
  std::optional<std::int64_t> wakeAtMs_;
  // The recording being watched, from its opening until it has played, and whether more of
  // it is to come.
  Watching* watched_ = nullptr;
  bool watchedLive_ = false;
  bool recording_ = false;  // the address asks for the game to be recorded
  // The boxes of a recording being watched, while they show, innermost last.
  std::vector<int> scriptedBoxes_;
  // The board's pixels, row by row; the part drawn since the last Present, in cells.
  std::array<std::uint32_t, kBoardPixels * kBoardPixels> pixels_{};
  int dirtyLeft_ = kBoardSize;
  int dirtyTop_ = kBoardSize;
  int dirtyRight_ = -1;
  int dirtyBottom_ = -1;
  bool closed_ = false;
  bool playRunning_ = false;
};

}  // namespace stonewick::page
