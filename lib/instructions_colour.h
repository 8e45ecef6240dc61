// The pastel behind the Instructions text, drawn anew at each opening without disturbing
// the game's random sequence.
#pragma once

#include <array>
#include <cstdint>

#include "lib/random.h"

namespace stonewick {

// RGB colours 1 to 6, stored from index 0.
inline constexpr std::array<std::uint32_t, 6> kInstructionsColours = {
    0xFFFFC4,  // pale yellow
    0xFFDDEE,  // pale pink
    0xCAFFCA,  // pale green
    0xCEFFFF,  // pale cyan
    0xFFE7CE,  // pale peach
    0xEBD7FF,  // pale lavender
};

// Saves the seed, seeds from the clock, draws 1 to 6, restores the seed; returns the number.
int DrawInstructionsColour(Random& random, std::uint32_t clockReading);

}  // namespace stonewick
