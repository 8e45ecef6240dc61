// A game played from a script with no screen: the session at the program's starting point,
// fed one script line at a time, or one block at a time (an event with the events that ran
// inside it), printing what the boxes said and what `dump` shows. The replay tool runs whole
// scripts through it; watching a recording reaches any moment of it through it.
#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "recording_format/block.h"
#include "recording_format/script_reader.h"
#include "recording_format/script_source.h"
#include "session/headless_front_end.h"
#include "session/script_world.h"
#include "session/session.h"
#include "session/text_sink.h"

namespace stonewick {

enum class BlockOutcome {
  Ran,       // the whole block ran (or the window closed on the way)
  Rejected,  // a bad line: nothing of the block ran
  Stopped,   // a line of the block could not run after some of it had run; the run ends
};

// A replay's whole state between blocks: the game's and the script's clock.
struct ReplaySnapshot {
  SessionSnapshot session;
  ScriptedClock clock;
};

class Replay {
 public:
  // Runs the start-up of the real program: the modules, the first Power, level 1. What the
  // boxes say and `dump` shows goes to `out`, or nowhere.
  Replay();
  explicit Replay(TextSink& out);
  explicit Replay(std::ostream& out);
  Replay(const Replay&) = delete;
  Replay& operator=(const Replay&) = delete;

  // Runs one script line on its own. Returns false with `error` set (and nothing done) for
  // a bad line; a nested line has no event to run inside here, so it is a bad line.
  bool RunLine(std::string_view line, std::string& error);
  // Runs a command line with the nested lines that follow it. A bad line anywhere in the
  // block rejects it whole; an event that ends before the yield point a nested line names
  // stops the run, as does a nested line after a command that is not an event (which runs).
  // `parsed`, when given, keeps the block as it was read.
  BlockOutcome RunBlock(std::span<const ScriptLine> block, ScriptError& error,
                        Block* parsed = nullptr);
  // Runs a block that has been read whole.
  void RunParsedBlock(const Block& block) { world_.RunBlock(block); }
  // Records the game from now on into `sink`, as live play would record the same events:
  // `opening` is the recording's first lines. False when they could not be written.
  bool Record(RecordingSink& sink, const std::string& opening) {
    return session_.Record(sink, opening, world_.clock.nowMs);
  }
  // The state between blocks, and back to it.
  ReplaySnapshot Snapshot() const { return {session_.Snapshot(), world_.clock}; }
  void Restore(const ReplaySnapshot& snapshot) {
    session_.Restore(snapshot.session);
    world_.clock = snapshot.clock;
  }
  // True once the main window has been closed: the script ends there.
  bool Closed() const { return world_.Closed(); }

  // Advances the virtual clock, firing the timers that fall due on the way (none fire by
  // themselves after `manual`).
  void Wait(std::int64_t ms) { world_.Wait(ms); }
  // One event of `timer` now, if that timer is enabled.
  void DeliverTimer(GameTimer timer) { world_.DeliverTimer(timer); }

  // The whole state, as `dump` prints it.
  std::string StateText() const { return session_.StateText(); }
  const Session& session() const { return session_; }
  // For tests only, which may reach inside (tests/support/session_access.h).
  Session& MutableSession() { return session_; }
  const Game& game() const { return session_.game(); }
  const ScriptWorld& script() const { return world_; }

 private:
  Replay(std::unique_ptr<TextSink> own, TextSink* out);

  std::unique_ptr<TextSink> ownText_;  // when the replay made its own
  HeadlessFrontEnd frontEnd_;
  Session session_{frontEnd_};
  ScriptWorld world_{session_};
};

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
