// The daily board: one seed a day (UTC), which every daily game's clock readings must be, so
// that level 2 is the same board for everyone that day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace stonewick::hall {

// "YYYY-MM-DD" of the UTC day `secondsSince1970` falls in.
std::string DayOf(std::int64_t secondsSince1970);
// Whether `day` is a well-formed date "YYYY-MM-DD".
bool IsDay(const std::string& day);
// The day's seed: the first 32 bits of the SHA-256 of "stonewick daily YYYY-MM-DD".
std::uint32_t DailySeed(const std::string& day);

}  // namespace stonewick::hall
