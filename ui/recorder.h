// Records the game in the window into a file that stonewick-replay plays back to the very same
// state (see tools/recording.h for what is written when). The file takes each block whole: a
// write that fails cuts the file back to its last whole block and ends the recording, and the
// game plays on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "game/event.h"
#include "game/event_nesting.h"
#include "tools/recording.h"

namespace stonewick {

class Recorder final : private RecordingSink, public GameRecorder {
 public:
  // Creates (or empties) the file at `path` and writes its heading; the clock starts at 0 now.
  // `nesting` is the game's. When the file cannot be written, says so in one line on standard
  // error and returns null.
  static std::unique_ptr<Recorder> Open(const std::string& path, const EventNesting& nesting);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

 private:
  Recorder(int fd, std::string path, const EventNesting& nesting);
  // RecordingSink: the file.
  bool Write(const std::string& text) override;
  void Stopped(const std::string& why) override;
  void Close();

  int fd_;
  std::string path_;
  // The length of the file up to its last whole block, to cut a half-written one off.
  long long written_ = 0;
};

}  // namespace stonewick
