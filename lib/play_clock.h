// The play clock: date-times count in days, and the clock read-out shows the play time that
// has passed as hours, minutes and seconds, the same in every locale.
#pragma once

#include <cstdint>
#include <string>

namespace stonewick {

inline constexpr std::int64_t kMsPerDay = 86'400'000;

// Elapsed play time (in days) in whole seconds as the clock shows them: rounded to whole
// milliseconds first, the milliseconds then dropped; past 24 hours it starts again at 0.
std::int32_t PlayClockSeconds(double elapsedDays);
// Seconds of play as "hh:mm:ss", 24-hour, two digits each.
std::string PlayClockText(std::int32_t seconds);

}  // namespace stonewick
