#include "lib/play_clock.h"

#include <cmath>
#include <cstdio>

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
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

}  // namespace stonewick
