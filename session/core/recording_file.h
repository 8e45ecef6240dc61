// The file a game is recorded into, for the session's recorder (see session/core/game_recorder.h),
// by the window and by the replay tool. The file takes each block whole: a write that fails
// cuts the file back to its last whole block and ends the recording, and the game plays on.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "recording_format/recording.h"

namespace stonewick {

// Who tells of a file that cannot be written, and what goes on without it.
struct RecordingTeller {
  std::string_view program = "stonewick";
  std::string_view goesOn = "the game goes on without recording";
  // Where it is told; null: standard error.
  std::ostream* to = nullptr;
};

class RecordingFile final : public RecordingSink {
 public:
  // Creates (or empties) the file at `path` now. When it cannot be written, says so in one
  // line on standard error and returns null.
  static std::unique_ptr<RecordingFile> Open(const std::string& path, RecordingTeller teller = {});
  // The same, but only once the first lines come: a recording continued from one that is
  // watched leaves the file alone unless the player takes the controls.
  static std::unique_ptr<RecordingFile> OpenWhenWritten(const std::string& path,
                                                        RecordingTeller teller = {});
  ~RecordingFile();
  RecordingFile(const RecordingFile&) = delete;
  RecordingFile& operator=(const RecordingFile&) = delete;

  bool Write(const std::string& text) override;
  void Stopped(const std::string& why) override;
  // True once a write has failed: the file does not hold the whole recording.
  bool Failed() const { return failed_; }

 private:
  RecordingFile(std::string path, RecordingTeller teller)
      : path_(std::move(path)), teller_(teller) {}
  bool OpenNow();
  void Close();
  void Tell(std::string_view what, const std::string& why);

  int fd_ = -1;
  std::string path_;
  RecordingTeller teller_;
  bool opened_ = false;
  bool failed_ = false;
  // The length of the file up to its last whole block, to cut a half-written one off.
  long long written_ = 0;
};

// Now in local time as "yyyy-mm-dd hh:mm:ss", as a recording's first line gives it.
std::string LocalDateText();

}  // namespace stonewick
