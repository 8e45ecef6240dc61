// Checking an uploaded recording as `stonewick-replay --check` checks it, and reading off what
// the game reached: the hall stores only games that check exactly and end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace stonewick::hall {

// No game the hall ranks lasts longer than this much recorded time: a script of a year of
// waits would otherwise keep a verifier busy firing timers for minutes.
inline constexpr std::int64_t kLongestGameMs = std::int64_t{24} * 3'600'000;

struct CheckedGame {
  bool accepted = false;
  // When not accepted: what is wrong, and the script line it is on (0 when no one line is).
  std::string error;
  std::uint64_t errorLine = 0;
  // When accepted: the highest level and the most kills the game reached, its length in
  // recorded milliseconds and how many checkpoints and states were compared.
  std::int32_t level = 0;
  std::int32_t kills = 0;
  std::int64_t timeMs = 0;
  std::uint64_t checkpoints = 0;
  // The clock readings the game consumed, in order (the daily board checks them).
  std::vector<std::uint32_t> readings;
};

CheckedGame CheckUpload(std::string_view recording);

// The same game whatever its comment lines say: the SHA-256 of every line that is not a
// plain comment ("# "), so a copy with a new header is still the same upload.
std::string RecordingFingerprint(std::string_view recording);

}  // namespace stonewick::hall
