// Range draws on the one generator. Every draw the game makes goes through RandomBelow.
#include "lib/random.h"

namespace stonewick {

std::uint32_t Random::RandomBelow(std::uint32_t n) {
  randomSeed = randomSeed * kRandomMultiplier + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(randomSeed) * n) >> 32);
}

void Random::SeedFromClock(std::uint32_t clockReading) {
  randomSeed = clockReading;
}

std::int32_t Random::RandomBetween(std::int32_t lo, std::int32_t hi) {
  if (hi < lo) {
    return 0;
  }
  if (hi == lo) {
    return lo;
  }
  // Width and sum wrap in 32 bits, as the generator's arithmetic does.
  const std::uint32_t width = static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo) + 1u;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(lo) + RandomBelow(width));
}

bool Random::CoinFlip() {
  return RandomBetween(0, 1) == 0;
}

std::int32_t Random::Percent() {
  return RandomBetween(0, 100);
}

}  // namespace stonewick
