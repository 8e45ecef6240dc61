// Writes the game as it is played into a script that stonewick-replay plays back to the very
// same state: each event that reaches the rules, the events that ran inside it, the clock
// readings and dialog answers it took, and, when the player ends the game, the final state.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/window_event.h"

namespace stonewick {

class Recorder {
 public:
  // Creates (or empties) the file at `path` and writes its heading; the clock starts at 0 now.
  // When the file cannot be written, says so in one line on standard error and returns null.
  static std::unique_ptr<Recorder> Open(const std::string& path);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // An event reaches the rules, inside the events running now (if any); the clock moves to
  // its time and stands there while it runs.
  void BeginEvent(const WindowEvent& event);
  // The innermost running event has ended. Once the outermost one has, its block of lines is
  // written to the file at once.
  void EndEvent();
  // The player ends the game while no event runs: writes the state (the lines of a dump,
  // from "state" to "end") and `menu exit`, and closes the file.
  void EndWithState(const std::string& dump);

  // The rules let pending events run or open a dialog: the next yield point of the innermost
  // running event.
  void YieldPoint();
  // What a question was answered: 'Y', 'N', 'C' or ' '.
  void Answer(char answer);
  // A clock reading that seeds the generator.
  void Reading(std::uint32_t reading);
  // The main window has closed: nothing after this is written, and the file is closed once
  // the running events have ended.
  void WindowClosed();

  // Whole milliseconds since the start, as the rules see the clock: the time of the innermost
  // running event.
  std::int64_t ClockMs() const { return clockMs_; }
  // How many events run, one inside the other.
  std::size_t Depth() const { return yieldPoints_.size(); }
  // False once the file is closed, by the end of the game or by a failed write.
  bool Writing() const { return fd_ >= 0; }

 private:
  Recorder(int fd, std::string path);
  bool Taking() const { return fd_ >= 0 && !windowClosed_; }
  // Whole milliseconds since the start on the real clock, never behind the rules' clock.
  std::int64_t RealMs() const;
  // The '>' marks and yield point that put a line inside the innermost running event.
  std::string Nesting() const;
  // Writes everything, or stops recording with one line on standard error.
  void Write(const std::string& text);
  void Stop(const std::string& why);
  void Close();

  int fd_;
  std::string path_;
  std::chrono::steady_clock::time_point start_;
  std::int64_t clockMs_ = 0;
  // The yield points each running event has reached, outermost first.
  std::vector<int> yieldPoints_;
  // The block under way: its clock, answer and reading lines, then the event and those in it.
  std::string lead_;
  std::string block_;
  bool windowClosed_ = false;
  // The length of the file up to its last whole block, to cut a half-written one off.
  long long written_ = 0;
};

}  // namespace stonewick
