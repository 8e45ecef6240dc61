// Live play: the clock the rules see, and the smash animation's frames.
#include "session/core/live_world.h"

#include "lib/pause.h"
#include "lib/play_clock.h"

namespace stonewick {

void LiveWorld::ContinueClock(std::int64_t clockMs) {
  clockZero_ = frontEnd_.SteadyMs() - clockMs;
}

double LiveWorld::Now() {
  if (const std::optional<std::int64_t> recorded = surroundings_.RecordingClockMs()) {
    // Days since the recording started, exactly as a replay counts them.
    return static_cast<double>(*recorded) / static_cast<double>(kMsPerDay);
  }
  if (clockZero_) {
    const std::int64_t ms = frontEnd_.SteadyMs() - *clockZero_;
    return static_cast<double>(ms) / static_cast<double>(kMsPerDay);
  }
  return frontEnd_.LocalDays();
}

char LiveWorld::Box(GameBox box) {
  ++openBoxes_;
  const char answer = frontEnd_.RunModalBox(box);
  --openBoxes_;
  return answer;
}

void LiveWorld::Pause(std::int32_t ms) {
  frontEnd_.Sleep(CappedPauseMs(ms));
}

}  // namespace stonewick
