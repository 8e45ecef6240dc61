// The replay interpreter: a fresh game at the program's starting point, fed one script
// line at a time, or one block at a time: an event with the events that ran inside it.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "lists/spare_lists.h"
#include "tools/replay_host.h"

namespace stonewick {

// One line of a script and its number, counted from 1. `unreadable` holds why a line could
// not be read whole (it was too long); such a line is a bad line.
struct ScriptLine {
  std::uint64_t number = 0;
  std::string_view text;
  std::string_view unreadable;
};

// A bad line: its number and what is wrong with it.
struct ScriptError {
  std::uint64_t line = 0;
  std::string message;
};

enum class BlockOutcome {
  Ran,       // the whole block ran (or the window closed on the way)
  Rejected,  // a bad line: nothing of the block ran
  Stopped,   // a line of the block could not run after some of it had run; the run ends
};

// Blank lines and comments carry no command.
bool IsCommandLine(std::string_view line);
// A command line whose first word starts with '>': an event that ran inside another.
bool IsNestedLine(std::string_view line);

// One command of a script line, checked and ready to run.
struct Command {
  enum class Verb {
    Key,
    Click,
    Menu,
    CloseInstructions,
    Answer,
    Glide,
    Seed,
    Tick,
    Slow,
    Bad,
    Wait,
    Dump,
    Manual,
    Reading,
  };
  Verb verb = Verb::Dump;
  std::uint64_t number = 0;  // the key code, answer, glide, seed, ms or reading
  std::int32_t col = 0;      // a click's cell
  std::int32_t row = 0;
  MenuCommand menuCommand = MenuCommand::Exit;
};

class Replay : private YieldPoints {
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

  // Advances the virtual clock, firing the timers that fall due on the way (none fire by
  // themselves after `manual`).
  void Wait(std::int64_t ms);
  void Dump();
  // One event of mainTimer, slowTimer or badStepTimer now, if that timer is enabled.
  void DeliverTimer(int timer);
  // The Instructions command: the window's colour is drawn only when it was not open.
  void ShowInstructions();

  SpareLists spareLists;
  ReplayHost host;
  Game game;
  bool instructionsOpen = false;

 private:
  // A line of the running block: its command, where it ran and what ran inside it.
  struct BlockLine {
    Command command;
    std::uint64_t number = 0;
    std::uint64_t yieldPoint = 0;  // 0 for the block's event
    std::vector<std::size_t> nested;
  };
  // An event of the block that is running, innermost last.
  struct RunningEvent {
    std::size_t line;
    std::uint64_t yieldPoints = 0;  // reached so far
    std::size_t nextNested = 0;
  };

  void FireTimer(int timer);
  void Execute(const Command& command);
  bool ReadBlock(std::span<const ScriptLine> block, ScriptError& error);
  void RunBlockLine(std::size_t index);
  void Reached() override;

  std::vector<BlockLine> block_;
  std::vector<RunningEvent> running_;
  ScriptError stop_;
};

// Reads a whole script; returns the exit status (0, or 2 after printing the error line).
// With `checkDumps`, each dump is also compared with the "#= " lines after it in the script:
// the first that differs ends the run with status 1 and one line naming it.
int RunScript(std::istream& script, std::ostream& out, std::ostream& err, bool checkDumps = false);

// The whole command line of stonewick-replay: options, then the script (a file, or standard
// input for none or "-"). Returns the exit status.
int ReplayMain(std::span<char* const> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace stonewick
