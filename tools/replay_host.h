// The headless host: the board is the screen, labels are kept as text, the clock, timers,
// answers and readings are the script's, and boxes print what they said.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "game/dump.h"
#include "game/host.h"
#include "tools/block.h"
#include "tools/scripted_clock.h"

namespace stonewick {

class ReplayHost : public Host, public ScriptedClock {
 public:
  explicit ReplayHost(std::ostream& out);

  void DrawCell(int col, int row, std::int32_t code) override;
  void ShowReadout(Readout readout, const std::string& text) override;
  void RunPendingEvents() override;
  void ShowMessage(const std::string& message) override;
  char AskYesNoCancel(const std::string& message) override;
  void SetTimersRunning(bool running) override { ScriptedClock::SetTimersRunning(running); }
  void SetBadStepInterval(std::int32_t ms) override { ScriptedClock::SetBadStepInterval(ms); }
  double Now() override { return Days(); }
  std::uint32_t ClockReading() override { return TakeReading(); }
  void PauseMs(std::int32_t ms) override;
  void ShowPauseCommand(const std::string& caption) override;
  void EnableSkipCommand(bool enabled) override;
  void CloseMainWindow() override;
  void ShowInstructions(int colour) override;
  void ShowAbout() override;

  // What the window would show: its timers, the Pause caption and the read-outs.
  WindowItems ShownItems() const;

  std::ostream& out;
  std::array<std::string, kReadoutCount> labels;  // by Readout
  std::string pauseCaption;
  bool skipEnabled = true;
  bool closed = false;
  // Set once the run has stopped in the middle of an event: the rest of that event and of
  // the events around it shows no box and prints nothing.
  bool stopped = false;
  YieldPoints* yieldPoints = nullptr;

 private:
  void YieldPoint();
  // A box opens and closes only while the run goes on.
  bool Showing() const { return !closed && !stopped; }
};

}  // namespace stonewick
