// The pace of a recording that plays: waits pass in real time at the chosen speed, a box and
// the About window stay up long enough to be seen, the smash animation's frames are shown,
// and nothing is paced while a block is hurried through.
#include <algorithm>

#include "lib/pause.h"
#include "session/watching/watching.h"

namespace stonewick {
namespace {

// A box, or the About window, stays open at least this long at 1x, however soon the
// recording closed it.
constexpr std::int64_t kBoxShownMs = 1'000;

}  // namespace

bool Watching::Hurrying() const {
  return stepping_ || jump_.has_value() || takeOver_ || verdictDue_ || left_ || session_.Closed();
}

bool Watching::Ended() const {
  return session_.Closed();
}

void Watching::PassTime(std::int64_t ms) {
  waitingUntil_ = ms;
  while (!Hurrying()) {
    const std::int64_t played = PlayedMs();
    if (played >= ms) {
      break;
    }
    Show();
    if (clock_.Paused()) {
      screen_.Idle(-1);
      continue;
    }
    // Awake again when the shown second changes, when the About window is due to close, or
    // when the wait is over.
    const std::int64_t until = std::min(ms, (played / 1000 + 1) * 1000);
    std::int64_t real = clock_.RealMsUp(until - played);
    if (aboutOpenedRealMs_) {
      const std::int64_t left = AboutLeftMs();
      if (left <= 0) {
        CloseAbout();
      } else {
        real = std::min(real, left);
      }
    }
    screen_.Idle(std::max<std::int64_t>(real, 1));
  }
  waitingUntil_.reset();
}

void Watching::YieldPoint() {
  if (!Hurrying()) {
    screen_.LetEventsIn();
  }
}

void Watching::HoldBox() {
  const std::int64_t opened = RealMs();
  while (!Hurrying()) {
    const std::int64_t left = clock_.RealMs(kBoxShownMs) - (RealMs() - opened);
    if (left <= 0) {
      break;
    }
    screen_.Idle(clock_.Paused() ? -1 : left);
  }
  // The time the box stood open is the box's own, not the recording's.
  Anchor(world_.clock.nowMs);
}

void Watching::Pause(std::int32_t ms) {
  if (!Hurrying()) {
    screen_.Sleep(CappedPauseMs(static_cast<std::int32_t>(clock_.RealMs(ms))));
  }
}

void Watching::HoldAbout() {
  bool held = false;
  while (aboutOpenedRealMs_ && !Hurrying()) {
    const std::int64_t left = AboutLeftMs();
    if (left <= 0) {
      break;
    }
    held = true;
    screen_.Idle(clock_.Paused() ? -1 : left);
  }
  // As with a box: the time the About window stood open is its own, not the recording's.
  if (held) {
    Anchor(world_.clock.nowMs);
  }
}

void Watching::AboutShown() {
  aboutOpenedRealMs_ = RealMs();
}

std::int64_t Watching::AboutLeftMs() const {
  return clock_.RealMs(kBoxShownMs) - (RealMs() - *aboutOpenedRealMs_);
}

void Watching::CloseAbout() {
  if (aboutOpenedRealMs_) {
    aboutOpenedRealMs_.reset();
    screen_.ShowAbout(false);
  }
}

}  // namespace stonewick
