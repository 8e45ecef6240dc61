// Real games for the hall's tests, benchmarks and fuzzing: played through the session from a
// seed, written as a recording with a checkpoint after every line, and ended with Exit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace stonewick::hall {

struct GamePlan {
  unsigned seed = 1;             // which keys, and when
  std::int64_t playMs = 20'000;  // recorded time, roughly
  int skips = 0;                 // levels skipped at the start: the game reaches level 1 + skips
  bool exit = true;              // end with the final state and Exit; else just stop
  std::optional<std::uint32_t> reading = {};  // a clock reading queued first, for level 2's seed
};

std::string MakeGame(const GamePlan& plan);

// A copy of `recording` with its `nth` checkpoint ("#~ ") changed, and that line's number.
std::string WithChangedCheckpoint(const std::string& recording, int nth, std::uint64_t& line);

}  // namespace stonewick::hall
