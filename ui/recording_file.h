// The file a game is recorded into, for the session's recorder (see session/game_recorder.h).
// The file takes each block whole: a write that fails cuts the file back to its last whole
// block and ends the recording, and the game plays on.
#pragma once

#include <memory>
#include <string>

#include "recording_format/recording.h"

namespace stonewick {

class RecordingFile final : public RecordingSink {
 public:
  // Creates (or empties) the file at `path` now. When it cannot be written, says so in one
  // line on standard error and returns null.
  static std::unique_ptr<RecordingFile> Open(const std::string& path);
  // The same, but only once the first lines come: a recording continued from one that is
  // watched leaves the file alone unless the player takes the controls.
  static std::unique_ptr<RecordingFile> OpenWhenWritten(const std::string& path);
  ~RecordingFile();
  RecordingFile(const RecordingFile&) = delete;
  RecordingFile& operator=(const RecordingFile&) = delete;

  bool Write(const std::string& text) override;
  void Stopped(const std::string& why) override;

 private:
  explicit RecordingFile(std::string path) : path_(std::move(path)) {}
  bool OpenNow();
  void Close();

  int fd_ = -1;
  std::string path_;
  bool opened_ = false;
  // The length of the file up to its last whole block, to cut a half-written one off.
  long long written_ = 0;
};

}  // namespace stonewick
