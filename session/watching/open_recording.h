// A recording a host opened, given as its text and what the player calls it: read, run and
// checked whole, then watched in the session after whatever plays now. The host only words
// the answer.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "session/core/session.h"
#include "session/watching/watching.h"

namespace stonewick {

struct RecordingOpened {
  bool watching = false;
  // The playback it became, kept by the session until it ends (for a live game to go on
  // arriving); null when refused.
  Watching* playback = nullptr;
  // When it is refused: the line stonewick-replay --check would print, naming the file.
  std::string refusal;
};

// `options.name` is the recording's name. Refused, nothing changes: what plays goes on.
RecordingOpened OpenRecording(Session& session, std::string_view text, WatchOptions options);

// A recording a command line names ("-" for standard input), read, run and checked whole
// before anything shows, so that a bad one is refused without a window. Refused, nothing
// (after one line on `err` naming the file, as stonewick-replay --check names it).
std::optional<Timeline> ReadRecordingFile(const std::string& path, std::istream& in,
                                          std::ostream& err);

}  // namespace stonewick
