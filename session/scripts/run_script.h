// Running a whole script through the headless game: block after block, checked when asked,
// with a watcher told of each block; the replay tool's command line on top.
#pragma once

#include <fstream>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "recording_format/block.h"
#include "recording_format/script_reader.h"
#include "recording_format/script_source.h"
#include "session/scripts/replay.h"
#include "session/scripts/text_sink.h"

namespace stonewick {

// Reads a whole script; returns the exit status (0, or 2 after printing the error line).
// With `check`, the state after each block is also compared with the checkpoints ("#~ "
// lines) after it, and what each dump printed with the "#= " lines after it: the first
// difference ends the run with status 1 and one line naming it, and so does a script in
// which nothing was compared. `program` begins every line on `err`.
// `watcher`, when given, is told of each block that ran.
class ScriptWatcher {
 public:
  // `block` has run; `parsed` is it as read, `printed` what it printed, `startedMs` the clock
  // as it began.
  virtual void BlockRan(const ScriptBlock& block, Block&& parsed, std::string_view printed,
                        std::int64_t startedMs, const Replay& replay) = 0;
  // The checkpoints that stand before the first command, of the starting state.
  virtual void Opening(const std::vector<StateLine>& checkpoints, const Replay& replay) = 0;

 protected:
  ~ScriptWatcher() = default;
};
struct ScriptRun {
  bool check = false;
  ScriptWatcher* watcher = nullptr;
  std::string_view program = "stonewick-replay";
  // Where the run is recorded again, as live play records, and the recording's first lines.
  RecordingSink* record = nullptr;
  std::string recordOpening{};
};
// What the run prints goes to `out`; what it says on standard error (the line that ends a
// failed run, or what a check compared) is left in `said`, each line with its end of line.
int RunScript(LineSource& script, TextSink& out, std::string& said, const ScriptRun& run = {});
// The same between streams (session/script_streams.cpp).
int RunScript(std::istream& script, std::ostream& out, std::ostream& err,
              const ScriptRun& run = {});

// The script a command line names: standard input for "-", otherwise the file, opened into
// `file`. Null, after one line on `err` beginning with `program`, when the file cannot be
// opened or is a directory.
std::istream* OpenScript(const char* path, std::istream& in, std::ifstream& file, std::ostream& err,
                         std::string_view program = "stonewick-replay");

// The whole command line of stonewick-replay: options, then the script (a file, or standard
// input for none or "-"). Returns the exit status.
int ReplayMain(std::span<char* const> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace stonewick
