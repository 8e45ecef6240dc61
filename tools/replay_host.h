// The headless host: the board is the screen, labels are kept as text, timers run in
// virtual time and dialogs print what they said and answer from a queue.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <ostream>
#include <string>

#include "game/event.h"
#include "game/host.h"
#include "lib/play_clock.h"

namespace stonewick {

// The due time of a timer that never fires by itself (after `manual`).
inline constexpr std::int64_t kNeverDue = std::numeric_limits<std::int64_t>::max();

struct VirtualTimer {
  bool enabled = false;
  std::int32_t interval = 0;
  std::int64_t due = 0;  // virtual ms when it next fires, while enabled
};

// The three timers of the main window, by GameTimer.
class VirtualTimers {
 public:
  VirtualTimer& operator[](GameTimer timer) { return timers_[static_cast<std::size_t>(timer)]; }
  const VirtualTimer& operator[](GameTimer timer) const {
    return timers_[static_cast<std::size_t>(timer)];
  }
  auto begin() { return timers_.begin(); }
  auto end() { return timers_.end(); }
  auto begin() const { return timers_.begin(); }
  auto end() const { return timers_.end(); }
  // The rules start and stop the three together.
  bool AllEnabled() const { return timers_[0].enabled && timers_[1].enabled && timers_[2].enabled; }
  bool NoneEnabled() const {
    return !timers_[0].enabled && !timers_[1].enabled && !timers_[2].enabled;
  }

 private:
  std::array<VirtualTimer, kGameTimerCount> timers_;
};

// Told each time the running event lets waiting events through or opens a box: the events
// that ran inside it at that moment run there.
class YieldPoints {
 public:
  virtual void Reached() = 0;

 protected:
  ~YieldPoints() = default;
};

class ReplayHost : public Host {
 public:
  explicit ReplayHost(std::ostream& out);

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

  std::ostream& out;
  std::int64_t nowMs = 0;                         // the virtual clock
  std::array<std::string, kReadoutCount> labels;  // by Readout
  VirtualTimers timers;
  std::deque<char> answers;            // queued answers to questions, oldest first
  std::deque<std::uint32_t> readings;  // queued clock readings, oldest first
  std::string pauseCaption;
  bool skipEnabled = true;
  bool closed = false;
  // After `manual` the timers never fire by themselves: they are never due.
  bool manual = false;
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
