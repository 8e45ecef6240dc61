// The replay session: a fresh game at the program's starting point, fed one script line at a
// time, or one block at a time: an event with the events that ran inside it.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "game/game.h"
#include "lists/spare_lists.h"
#include "tools/block.h"
#include "tools/replay_host.h"
#include "tools/script_session.h"

namespace stonewick {

enum class BlockOutcome {
  Ran,       // the whole block ran (or the window closed on the way)
  Rejected,  // a bad line: nothing of the block ran
  Stopped,   // a line of the block could not run after some of it had run; the run ends
};

class Replay : private ScriptSession::Surroundings, private YieldPoints {
 public:
  // Runs the start-up of the real program: the modules, the first Power, level 1.
  explicit Replay(std::ostream& out);
  Replay(const Replay&) = delete;
  Replay& operator=(const Replay&) = delete;

  // Runs one script line on its own. Returns false with `error` set (and nothing done) for
  // a bad line; a nested line has no event to run inside here, so it is a bad line.
  bool RunLine(std::string_view line, std::string& error);
  // Runs a command line with the nested lines that follow it. A bad line anywhere in the
  // block rejects it whole; an event that ends before the yield point a nested line names
  // stops the run, as does a nested line after a command that is not an event (which runs).
  BlockOutcome RunBlock(std::span<const ScriptLine> block, ScriptError& error);
  // True once the main window has been closed: the script ends there.
  bool Closed() const { return host.closed; }

  // Runs a block that has been read whole.
  void RunParsedBlock(const Block& block) { session_.RunBlock(block); }

  // Advances the virtual clock, firing the timers that fall due on the way (none fire by
  // themselves after `manual`).
  void Wait(std::int64_t ms) { session_.Wait(ms); }
  // Prints the whole state.
  void Dump() override;
  // One event of `timer` now, if that timer is enabled.
  void DeliverTimer(GameTimer timer) { session_.DeliverTimer(timer); }

  SpareLists spareLists;
  ReplayHost host;
  Game game;

 private:
  bool Over() const override { return host.closed || host.stopped; }
  void Stop() override { host.stopped = true; }
  // YieldPoints: the host passes on each yield point of the rules.
  void Reached() override { session_.YieldPointReached(); }

  ScriptSession session_{game, host, *this};
};

// Reads a whole script; returns the exit status (0, or 2 after printing the error line).
// With `checkDumps`, each dump is also compared with the "#= " lines after it in the script:
// the first that differs ends the run with status 1 and one line naming it.
int RunScript(std::istream& script, std::ostream& out, std::ostream& err, bool checkDumps = false);

// The whole command line of stonewick-replay: options, then the script (a file, or standard
// input for none or "-"). Returns the exit status.
int ReplayMain(std::span<char* const> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace stonewick
