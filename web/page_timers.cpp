// When the page's timers fire.
#include "web/page_timers.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/game.h"

namespace stonewick::page {

PageTimers::PageTimers() {
  Of(GameTimer::Main).interval = kMainTickMs;
  Of(GameTimer::Slow).interval = kSlowTickMs;
  Of(GameTimer::BadStep).interval = kFirstBadStepMs;
}

void PageTimers::SetRunning(bool running, double nowMs) {
  for (Timer& timer : timers_) {
    if (running && !timer.running) {
      timer.due = nowMs + timer.interval;
    }
    timer.running = running;
  }
}

void PageTimers::SetBadStepInterval(std::int32_t ms, double nowMs) {
  Timer& timer = Of(GameTimer::BadStep);
  if (ms < 0 || ms == timer.interval) {
    return;
  }
  timer.interval = ms;
  if (timer.running) {
    timer.due = nowMs + ms;
  }
}

int PageTimers::MsUntilDue(double nowMs) const {
  double first = std::numeric_limits<double>::infinity();
  for (const Timer& timer : timers_) {
    if (timer.running && !timer.ticking) {
      first = std::min(first, timer.due);
    }
  }
  if (std::isinf(first)) {
    return -1;
  }
  return static_cast<int>(std::ceil(std::max(0.0, first - nowMs)));
}

std::optional<GameTimer> PageTimers::TakeDue(double nowMs) {
  Timer* next = nullptr;
  for (Timer& timer : timers_) {
    if (timer.running && !timer.ticking && timer.due <= nowMs &&
        (next == nullptr || timer.due < next->due)) {
      next = &timer;
    }
  }
  if (next == nullptr) {
    return std::nullopt;
  }
  // Ticks missed while the page was busy are not made up: the beat goes on from now.
  next->due += next->interval;
  if (next->due < nowMs) {
    next->due = nowMs + next->interval;
  }
  next->ticking = true;
  return static_cast<GameTimer>(next - timers_.data());
}

void PageTimers::TickEnded(GameTimer timer) {
  Of(timer).ticking = false;
}

std::int32_t PageTimers::BadStepInterval() const {
  return timers_[static_cast<std::size_t>(GameTimer::BadStep)].interval;
}

}  // namespace stonewick::page
