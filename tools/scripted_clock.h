// What a script decides in place of the world around the game: the time, the main window's
// three timers running in virtual time, the answers to the game's questions and the clock
// readings that seed the generator. The headless host keeps one; the window keeps one while
// it plays a recording back, so that both give the rules exactly the same.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <limits>

#include "game/event.h"

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

class ScriptedClock {
 public:
  ScriptedClock();

  // The clock as a date-time: days since the start of the run.
  double Days() const;
  // The oldest queued reading, or else the clock's millisecond count.
  std::uint32_t TakeReading();
  // The oldest queued answer, or else 'C'.
  char TakeAnswer();
  // The timers' rules as the main window's timers follow them (see game/host.h).
  void SetTimersRunning(bool running);
  void SetBadStepInterval(std::int32_t ms);
  // From now on no timer fires by itself.
  void SetManual();

  std::int64_t nowMs = 0;  // since the start of the run
  VirtualTimers timers;
  // After `manual` the timers never fire by themselves: they are never due.
  bool manual = false;
  std::deque<char> answers;            // queued answers to questions, oldest first
  std::deque<std::uint32_t> readings;  // queued clock readings, oldest first
};

}  // namespace stonewick
