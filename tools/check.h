// Checking a replay against the state a recording says the game was in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/script_reader.h"

namespace stonewick {

// The lines a dump printed, compared with the "#= " lines written after it. Empty when they
// are the same, otherwise what differs first.
std::string DumpDifference(std::string_view printed, const std::vector<StateLine>& expected);

}  // namespace stonewick
