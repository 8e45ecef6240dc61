// A block of a script: an event at depth 0 and the lines nested in it (the events that ran
// inside it, and the clock moving on meanwhile). A block is read and checked whole, then run:
// its event reaches the rules, and each nested line runs when the event it ran inside reaches
// the yield point the line names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/event_nesting.h"
#include "recording_format/script_command.h"

namespace stonewick {

// One line of a script and its number, counted from 1. `unreadable` holds why a line could
// not be read whole (it was too long); such a line is a bad line.
struct ScriptLine {
  std::uint64_t number = 0;
  std::string_view text;
  std::string_view unreadable;
};

// What differs between a recording's state and the game's, for a host to word in the
// player's language: the state after a block (0: at the start) against its checkpoint, or one
// line of a dump. A missing expected or seen line means the dump had no more lines.
struct StateDifference {
  enum class Kind { Checkpoint, DumpLine };
  Kind kind = Kind::Checkpoint;
  std::uint64_t blockLine = 0;
  std::uint64_t dumpLine = 0;  // DumpLine only, from 1
  std::optional<std::string> expected;
  std::optional<std::string> seen;
};

// A bad line: its number and what is wrong with it; for a difference, also what differs.
struct ScriptError {
  ScriptError() = default;
  ScriptError(std::uint64_t lineNumber, std::string what,
              std::optional<StateDifference> stateDifference = std::nullopt)
      : line(lineNumber), message(std::move(what)), difference(std::move(stateDifference)) {}

  std::uint64_t line = 0;
  std::string message;
  std::optional<StateDifference> difference;
};

// A line of a block: its command, the yield point it ran at, and the lines that ran inside it.
struct BlockLine {
  Command command;
  std::uint64_t number = 0;
  std::uint64_t yieldPoint = 0;     // 0 for the block's own event
  std::vector<std::size_t> nested;  // in the order they ran
};

// The block's event comes first.
using Block = std::vector<BlockLine>;

enum class BlockParse {
  Block,  // a block to run
  Empty,  // only blank lines and comments
  Bad,    // a bad line: nothing of the block may run
};

// Reads a command line and the nested lines after it into `block`, each nested line hung
// under the event it ran inside. Nested lines need `manual` before their block. A command
// that is not an event takes no nested lines: when some follow it, `stray` names the first,
// and the command still runs before the run stops there.
BlockParse ParseBlock(std::span<const ScriptLine> lines, bool manual, Block& block,
                      ScriptError& error, ScriptError& stray);

// How the lines of a block are carried out. The replay tool and the window's player each
// carry them out their own way; an event always reaches the rules through Game::Apply.
class BlockLines {
 public:
  virtual void Run(const Command& command) = 0;
  // The main window has closed or the run has stopped: nothing more runs.
  virtual bool Over() const = 0;
  // A nested line cannot run: the run stops, and the rest of the running events finishes
  // with no box shown and nothing printed.
  virtual void Stop() = 0;

 protected:
  ~BlockLines() = default;
};

class BlockRunner {
 public:
  // `nesting` is the game's: it counts the yield points the running events reach.
  BlockRunner(const EventNesting& nesting, BlockLines& lines) : nesting_(nesting), lines_(lines) {}

  // Runs a block that has been read whole. When one of its events ends before the yield
  // point that a line nested in it names, the run stops there (see StopError).
  void Run(const Block& block);
  // The innermost running event has reached a yield point: the lines nested there run now.
  void YieldPointReached();
  // The line that could not run, and why; line 0 while the run goes on.
  const ScriptError& StopError() const { return stop_; }

 private:
  // An event of the block that is running, innermost last.
  struct RunningEvent {
    std::size_t line;
    std::uint64_t yieldPoints = 0;  // reached so far
    std::size_t nextNested = 0;
  };

  void RunLine(std::size_t index);

  const EventNesting& nesting_;
  BlockLines& lines_;
  const Block* block_ = nullptr;
  std::vector<RunningEvent> running_;
  ScriptError stop_;
};

}  // namespace stonewick
