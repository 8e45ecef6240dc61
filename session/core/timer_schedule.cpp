// When the three timers fire.
#include "session/core/timer_schedule.h"

#include <algorithm>

#include "game/game.h"

namespace stonewick {

TimerSchedule::TimerSchedule() {
  Of(GameTimer::Main).interval = kMainTickMs;
  Of(GameTimer::Slow).interval = kSlowTickMs;
  Of(GameTimer::BadStep).interval = kFirstBadStepMs;
}

void TimerSchedule::SetRunning(bool running, std::int64_t nowMs) {
  for (ScheduledTimer& timer : timers_) {
    if (running && !timer.enabled) {
      timer.due = nowMs + timer.interval;
    }
    timer.enabled = running;
  }
}

void TimerSchedule::SetBadStepInterval(std::int32_t ms, std::int64_t nowMs) {
  ScheduledTimer& timer = Of(GameTimer::BadStep);
  if (ms < 1 || ms == timer.interval) {
    return;
  }
  timer.interval = ms;
  if (timer.enabled) {
    timer.due = nowMs + ms;
  }
}

void TimerSchedule::Restart(std::int64_t nowMs) {
  for (ScheduledTimer& timer : timers_) {
    timer.due = nowMs + timer.interval;
    timer.ticking = false;
  }
}

std::optional<GameTimer> TimerSchedule::NextDue(std::int64_t untilMs) const {
  std::optional<GameTimer> next;
  for (const GameTimer timer : kGameTimers) {
    const ScheduledTimer& candidate = (*this)[timer];
    if (candidate.enabled && !candidate.ticking && candidate.due <= untilMs &&
        (!next || candidate.due < (*this)[*next].due)) {
      next = timer;
    }
  }
  return next;
}

std::int64_t TimerSchedule::MsUntilDue(std::int64_t nowMs) const {
  std::optional<std::int64_t> first;
  for (const ScheduledTimer& timer : timers_) {
    if (timer.enabled && !timer.ticking) {
      first = std::min(first.value_or(timer.due), timer.due);
    }
  }
  return first ? std::max<std::int64_t>(0, *first - nowMs) : -1;
}

void TimerSchedule::Fire(GameTimer timer, std::int64_t nowMs) {
  ScheduledTimer& fired = Of(timer);
  fired.due += fired.interval;
  if (fired.due <= nowMs) {
    fired.due = nowMs + fired.interval;
  }
  fired.ticking = true;
}

bool TimerSchedule::AllEnabled() const {
  return std::all_of(timers_.begin(), timers_.end(),
                     [](const ScheduledTimer& timer) { return timer.enabled; });
}

bool TimerSchedule::NoneEnabled() const {
  return std::none_of(timers_.begin(), timers_.end(),
                      [](const ScheduledTimer& timer) { return timer.enabled; });
}

}  // namespace stonewick
