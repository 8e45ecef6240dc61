// A recording continued from one being watched.
#include "session/watching/continued_recording.h"

#include <algorithm>

#include "recording_format/recording.h"

namespace stonewick {

std::string ContinuedOpening(const Timeline& timeline, const ContinuedFrom& from) {
  std::uint64_t lastLine = 0;
  const std::string_view kept = timeline.TextBefore(from.block, lastLine);
  // The name as one line: a line break in it must not start a script line.
  std::string name = from.name;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  std::string opening = Recording::Comment(from.date) + "# Continued from " + name + " at line " +
                        std::to_string(lastLine);
  std::string lines;
  std::int64_t keptMs = 0;
  bool manual = from.manual;
  if (from.differedAfterLine) {
    // Past the first difference the old lines' checkpoints are not this game's: the game is
    // recorded again as it played back, with its own checkpoints.
    opening += ", as it played back: it played differently from the recording after line " +
               std::to_string(*from.differedAfterLine);
    RecordingText asPlayed;
    Replay replay;
    replay.Record(asPlayed, "manual\n");
    timeline.ReplayTo(timeline.Before(from.block), replay, Timeline::From::Start);
    lines = asPlayed.Text();
    keptMs = replay.session().RecordingClockMs().value_or(0);
    manual = true;
  } else {
    // The new recording holds the old one's lines up to here, checkpoints and all, and goes
    // on with the live game: one recording from its first line.
    lines = std::string(kept);
    if (!lines.empty() && !lines.ends_with('\n')) {
      lines += '\n';
    }
    keptMs = timeline.Before(from.block).clockMs;
  }
  opening += "\n" + lines;
  if (from.clockMs > keptMs) {
    opening += "wait " + std::to_string(from.clockMs - keptMs) + "\n";
  }
  if (!manual) {
    opening += "manual\n";
  }
  return opening;
}

}  // namespace stonewick
