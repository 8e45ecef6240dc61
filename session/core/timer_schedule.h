// The main window's three timers: the main tick every 150 ms, the slow tick every 400 ms and
// the bad step at the interval the rules set. One schedule for every host and for a script's
// virtual time alike: which timers run, their intervals and when each is next due, on
// whatever millisecond clock the session gives it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/event.h"

namespace stonewick {

struct ScheduledTimer {
  bool enabled = false;
  std::int32_t interval = 0;
  std::int64_t due = 0;  // when it next fires, while enabled
  bool ticking = false;  // its tick is being delivered
};

class TimerSchedule {
 public:
  TimerSchedule();

  // The three run and stop together. Starting a timer that runs already keeps its phase;
  // a timer that starts is due a whole interval later; stopping forgets the phase.
  void SetRunning(bool running, std::int64_t nowMs);
  // The same interval again changes nothing; a new one restarts a running bad-step timer,
  // which is then due a whole new interval later. An interval below 1 ms is no interval and
  // is ignored.
  void SetBadStepInterval(std::int32_t ms, std::int64_t nowMs);
  // Every running timer starts a new interval from now: the clock they ran on is left for
  // another (a recording's virtual time for the real time of live play).
  void Restart(std::int64_t nowMs);

  // The timer due first, by `untilMs` at the latest: at the same instant, the first in
  // GameTimer order. None while the due timers' own ticks run.
  std::optional<GameTimer> NextDue(std::int64_t untilMs) const;
  // Milliseconds until the next tick may fire (0: one is due); -1 when none can.
  std::int64_t MsUntilDue(std::int64_t nowMs) const;
  // The timer fires at `nowMs`: it is next due an interval after its due time, or, when it
  // comes late, an interval from now (ticks missed are not made up). Its tick runs until
  // TickEnded, and it does not fire inside its own tick.
  void Fire(GameTimer timer, std::int64_t nowMs);
  void TickEnded(GameTimer timer) { Of(timer).ticking = false; }

  const ScheduledTimer& operator[](GameTimer timer) const {
    return timers_[static_cast<std::size_t>(timer)];
  }
  auto begin() const { return timers_.begin(); }
  auto end() const { return timers_.end(); }
  bool AllEnabled() const;
  bool NoneEnabled() const;
  std::int32_t BadStepInterval() const { return (*this)[GameTimer::BadStep].interval; }

 private:
  ScheduledTimer& Of(GameTimer timer) { return timers_[static_cast<std::size_t>(timer)]; }
  std::array<ScheduledTimer, kGameTimerCount> timers_;
};

}  // namespace stonewick
