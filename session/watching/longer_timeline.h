// A recording that grows while it is watched: a live game's lines arrive as it is played.
#pragma once

#include <string>
#include <string_view>

#include "session/watching/timeline.h"

namespace stonewick {

// Reads into `longer` the text of `timeline` followed by `more`, whole lines that arrived
// after it, as Timeline::Read reads a recording: 0, or 2 with the line in `said`.
int ReadLonger(const Timeline& timeline, std::string_view more, Timeline& longer, std::string& said,
               std::string_view program);

}  // namespace stonewick
