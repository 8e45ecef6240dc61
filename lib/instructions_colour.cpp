#include "lib/instructions_colour.h"

namespace stonewick {

int DrawInstructionsColour(Random& random, std::uint32_t clockReading) {
  const std::uint32_t saved = random.randomSeed;
  random.SeedFromClock(clockReading);
  const int number = random.RandomBetween(1, 6);
  random.randomSeed = saved;
  return number;
}

}  // namespace stonewick
