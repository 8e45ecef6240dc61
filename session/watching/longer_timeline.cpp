// A recording read again with the lines that arrived after it. The whole text is read and
// checked anew: an hour of play takes a few milliseconds, and the blocks, their times, the
// snapshots for jumps and the verdict come out exactly as for a recording read whole.
#include "session/watching/longer_timeline.h"

#include "recording_format/script_source.h"

namespace stonewick {

int ReadLonger(const Timeline& timeline, std::string_view more, Timeline& longer, std::string& said,
               std::string_view program) {
  std::uint64_t lastLine = 0;
  std::string text(timeline.TextBefore(timeline.Blocks().size(), lastLine));
  // A last line cut short must not run into the first one that arrived.
  if (!text.empty() && text.back() != '\n') {
    text += '\n';
  }
  text += more;
  TextLines lines(text);
  return longer.Read(lines, said, program);
}

}  // namespace stonewick
