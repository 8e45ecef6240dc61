// Opening a recording from its text.
#include "session/watching/open_recording.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <utility>

#include "recording_format/script_source.h"
#include "recording_format/stream_lines.h"
#include "session/scripts/run_script.h"

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

std::optional<Timeline> ReadRecordingFile(const std::string& path, std::istream& in,
                                          std::ostream& err) {
  std::ifstream file;
  std::istream* script = OpenScript(path.c_str(), in, file, err, "stonewick");
  if (script == nullptr) {
    return std::nullopt;
  }
  StreamLines lines(*script);
  Timeline recording;
  std::string refused;
  if (recording.Read(lines, refused, "stonewick: " + path) != 0) {
    err << refused;
    return std::nullopt;
  }
  return recording;
}

}  // namespace stonewick
