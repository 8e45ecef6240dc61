// The game's one source of chance: a 32-bit linear congruential generator and the range,
// coin and percentage draws built on it. Fixed boards depend on this exact generator.
#pragma once

#include <cstdint>

namespace stonewick {

inline constexpr std::uint32_t kRandomMultiplier = 134775813;  // 0x08088405

struct Random {
  std::uint32_t randomSeed = 0;

  // One generator step; a number in 0 .. n-1 (0 when n is 0).
  std::uint32_t RandomBelow(std::uint32_t n);
  // Seeds from a clock reading that the host supplies (a counter that differs run to run).
  void SeedFromClock(std::uint32_t clockReading);
  // lo .. hi inclusive; 0 when hi < lo and lo when hi = lo, both without a draw.
  std::int32_t RandomBetween(std::int32_t lo, std::int32_t hi);
  bool CoinFlip();
  std::int32_t Percent();  // 0 .. 100 inclusive
};

}  // namespace stonewick
