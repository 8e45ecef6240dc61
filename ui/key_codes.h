// The virtual key codes that the rules read, from Qt's key numbers.
#pragma once

#include <cstdint>

namespace stonewick {

// Arrows 37 to 40, space 32, letters and digits their upper-case ASCII code, a few common
// control keys their usual codes, and 0 (no action) for everything else.
std::uint16_t VirtualKeyOf(int qtKey);

}  // namespace stonewick
