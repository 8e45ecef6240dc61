// Opening a recording from its text.
#include "session/watching/open_recording.h"

#include <utility>

#include "recording_format/script_source.h"

namespace stonewick {

RecordingOpened OpenRecording(Session& session, std::string_view text, WatchOptions options) {
  TextLines lines(text);
  RecordingOpened opened;
  Timeline recording;
  // A bad one is refused as stonewick-replay refuses it, naming the file too.
  if (recording.Read(lines, opened.refusal, "stonewick: " + options.name) != 0) {
    return opened;
  }
  opened.refusal.clear();
  opened.watching = true;
  opened.playback = &Watch(session, std::move(recording), std::move(options));
  return opened;
}

}  // namespace stonewick
