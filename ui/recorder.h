// Writes the game as it is played into a file that stonewick-replay plays back to the very
// same state (see tools/recording.h for what goes into it). Each block is on disk as soon as
// its event has ended, so a recording cut short by a crash replays up to that event.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "game/event.h"
#include "game/event_nesting.h"
#include "tools/recording.h"

namespace stonewick {

class Recorder {
 public:
  // Creates (or empties) the file at `path` and writes its heading; the clock starts at 0 now.
  // `nesting` is the game's. When the file cannot be written, says so in one line on standard
  // error and returns null.
  static std::unique_ptr<Recorder> Open(const std::string& path, const EventNesting& nesting);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // An event is about to reach the rules; the clock moves to its time and stands there while
  // it runs.
  void BeginEvent(const Event& event);
  // The event has ended; once the block's own event has, the block is written at once, with
  // the checkpoint of the state it left (`state` gives the text of the dump).
  void EndEvent(const std::function<std::string()>& state);
  // The player ends the game while no event runs: writes the state (the lines of a dump) and
  // `menu exit`, and closes the file.
  void EndWithState(const std::string& dump);

  // What a question was answered, and a clock reading that seeds the generator.
  void Answer(char answer);
  void Reading(std::uint32_t reading);
  // The main window has closed: nothing after this is written, and the file is closed once
  // the running events have ended.
  void WindowClosed();

  // Whole milliseconds since the start, as the rules see the clock.
  std::int64_t ClockMs() const { return recording_.ClockMs(); }
  // False once the file is closed, by the end of the game or by a failed write.
  bool Writing() const { return fd_ >= 0; }

 private:
  Recorder(int fd, std::string path, const EventNesting& nesting);
  bool Taking() const { return fd_ >= 0 && !windowClosed_; }
  // Whole milliseconds since the start on the real clock.
  std::int64_t RealMs() const;
  // Writes everything, or stops recording with one line on standard error.
  void Write(const std::string& text);
  void Stop(const std::string& why);
  void Close();

  int fd_;
  std::string path_;
  const EventNesting& nesting_;
  Recording recording_;
  std::chrono::steady_clock::time_point start_;
  bool windowClosed_ = false;
  // The length of the file up to its last whole block, to cut a half-written one off.
  long long written_ = 0;
};

}  // namespace stonewick
