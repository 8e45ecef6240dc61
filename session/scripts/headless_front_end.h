// The front end of a game with no screen: the replay tool's. Nothing is drawn; a box prints
// what it said as it closes, `dump` prints the state, and closing the main window prints
// `closed`. Its clock is never read: a script gives the time.
#pragma once

#include <string>
#include <vector>

#include "session/core/front_end.h"
#include "session/scripts/text_sink.h"

namespace stonewick {

class HeadlessFrontEnd : public FrontEnd {
 public:
  explicit HeadlessFrontEnd(TextSink& out) : out_(out) {}

  void DrawCell(int, int, std::int32_t) override {}
  void ShowReadout(Readout, const ReadoutValue&) override {}
  void ShowPauseCommand(PauseOffer) override {}
  void ShowWatchKeys() override {}
  void EnableCommand(MenuCommand, bool) override {}
  void ShowInstructions(int) override {}
  void ShowAbout(bool) override {}
  void CloseMainWindow() override;
  void ShowDump(const std::string& dump) override;
  char RunModalBox(GameBox) override { return ' '; }
  void OpenScriptedBox(GameBox box) override;
  void CloseScriptedBox(bool answered, char answer) override;
  double LocalDays() override { return 0; }
  std::int64_t SteadyMs() override { return 0; }
  std::uint32_t ClockReading() override { return 0; }
  void Sleep(std::int32_t) override {}
  void LetEventsIn() override {}
  void WakeAfter(std::int64_t) override {}
  void Idle(std::int64_t) override {}
  void EndIdle() override {}
  void ShowWatching(const WatchStatus&) override {}
  bool TellVerdict(const WatchVerdict&, bool) override { return false; }

 private:
  TextSink& out_;
  std::vector<GameBox> boxes_;  // open, innermost last
};

}  // namespace stonewick
