// A blocking pause that never lasts more than ten seconds.
#pragma once

#include <cstdint>

namespace stonewick {

inline constexpr std::int32_t kLongestPauseMs = 10000;

// The length PauseMs really waits: capped at ten seconds, nothing for a negative count.
std::int32_t CappedPauseMs(std::int32_t ms);
// Blocks the calling thread without running any event loop.
void PauseMs(std::int32_t ms);

}  // namespace stonewick
