// Capped pauses for the smash animation's frames.
#include "lib/pause.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace stonewick {

std::int32_t CappedPauseMs(std::int32_t ms) {
  return std::clamp(ms, 0, kLongestPauseMs);
}

void PauseMs(std::int32_t ms) {
  const std::int32_t wait = CappedPauseMs(ms);
  if (wait > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(wait));
  }
}

}  // namespace stonewick
