// The first lines of the recording that goes on once the player takes the controls of a
// recording being watched: a heading that says where it came from, then the game up to there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "session/watching/timeline.h"

namespace stonewick {

struct ContinuedFrom {
  // What the player calls the recording, and the date the new one is made.
  std::string name;
  std::string date;
  // The next block to run where the controls were taken, and the clock there.
  std::size_t block = 0;
  std::int64_t clockMs = 0;
  // The recording's clock ran by itself no more (`manual`).
  bool manual = false;
  // The line after which the game played back differently, once the playback has passed it.
  std::optional<std::uint64_t> differedAfterLine;
};

std::string ContinuedOpening(const Timeline& timeline, const ContinuedFrom& from);

}  // namespace stonewick
