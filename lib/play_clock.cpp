#include "lib/play_clock.h"

#include <cmath>

#include "lib/padded.h"

namespace stonewick {

std::int32_t PlayClockSeconds(double elapsedDays) {
  const auto ms =
      static_cast<std::int64_t>(std::llround(elapsedDays * static_cast<double>(kMsPerDay)));
  std::int64_t seconds = (ms / 1000) % 86'400;
  if (seconds < 0) {
    seconds += 86'400;
  }
  return static_cast<std::int32_t>(seconds);
}

std::string PlayClockText(std::int32_t seconds) {
  return Padded(seconds / 3600, 2) + ":" + Padded(seconds / 60 % 60, 2) + ":" +
         Padded(seconds % 60, 2);
}

}  // namespace stonewick
