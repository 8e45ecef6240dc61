// A recording read whole for watching it. Reading runs the whole script headless first and
// checks it, so that a bad script is refused exactly as stonewick-replay refuses it, so that
// the verdict covers the whole recording whatever is watched of it, and so that the time of
// every block and the length of the whole are known before anything plays. The recording's
// text is kept, with where each block begins, and read again block by block as it plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "recording_format/block.h"
#include "recording_format/script_reader.h"
#include "recording_format/script_source.h"
#include "session/scripts/replay.h"

namespace stonewick {

struct TimedBlock {
  std::uint64_t offset = 0;  // where its first line begins in the text
  std::uint64_t line = 0;    // the number of its first line
  std::int64_t startMs = 0;  // the clock as it begins
  std::int64_t endMs = 0;    // and as it has ended
  bool event = false;        // it is an event, not one of the script's own commands
  bool wait = false;
  bool box = false;           // a box opened while it ran
  bool levelChanged = false;  // it left the game on another level
  // Checkpoints and states compared from the start up to the state it left.
  std::uint64_t compared = 0;
};

// Where a recording stands: the next block to run, and the clock, which stands inside that
// block when it is a wait cut short by a jump.
struct PlayPosition {
  std::size_t block = 0;
  std::int64_t clockMs = 0;
};

// Where a jump lands when its time falls inside an event block, which runs whole and cannot be
// cut (a box open for seconds with the events recorded inside it): before it, after it, or at
// whichever edge is nearer.
enum class Landing { Before, After, Nearest };

// What checking the whole recording found.
struct RecordingVerdict {
  std::uint64_t checkpoints = 0;  // compared
  std::uint64_t states = 0;       // dumps compared with the "#= " lines after them
  // The first difference, and the block after which it shows (0: in the starting state).
  std::optional<ScriptError> difference;
  std::size_t differenceAfter = 0;  // the number of blocks run when it showed
};

// The state before block `block`, kept every so many blocks as a recording is read.
struct KeptState {
  std::size_t block;
  ReplaySnapshot state;
};

class Timeline {
 public:
  // Reads, runs and checks the whole script. 0 when it can be played; 2 for a bad script,
  // with the line stonewick-replay --check would print, beginning with `program`, in `said`.
  // Blocks after the main window closes are never reached and not kept.
  int Read(LineSource& script, std::string& said, std::string_view program);

  const std::vector<TimedBlock>& Blocks() const { return blocks_; }
  // The clock when the last block has run.
  std::int64_t EndMs() const { return blocks_.empty() ? 0 : blocks_.back().endMs; }
  const RecordingVerdict& Verdict() const { return verdict_; }

  // Where the recording stands `ms` after its start: after every block that ended by then,
  // inside a wait that ends later; inside an event block, at its edge as `landing` says.
  PlayPosition PositionAt(std::int64_t ms, Landing landing = Landing::Nearest) const;
  // Before the last block that is an event.
  PlayPosition LastEvent() const;
  // Just before the block of the first difference; none when nothing differs.
  std::optional<PlayPosition> BeforeDifference() const;
  // Before the block `block`.
  PlayPosition Before(std::size_t block) const;

  // The text from the start up to where block `block` begins: what a recording continued
  // from there keeps. Its last line's number is `lastLine`.
  std::string_view TextBefore(std::size_t block, std::uint64_t& lastLine) const;

  // The blocks from one on, read again from the text, one after another.
  class Reader {
   public:
    Reader(const Timeline& timeline, std::size_t first);
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    // The next block as read, and as parsed; false after the last.
    bool Next(ScriptBlock& block, Block& parsed);

   private:
    std::size_t left_;
    // Shared with the timeline, so that the lines stay where they are however the timeline
    // is moved.
    std::shared_ptr<const std::string> text_;
    TextLines lines_;  // the text from the block on
    ScriptReader reader_;
  };

  // Brings a fresh replay to `position`, through the rules alone: from the nearest state kept
  // on the way, or from the start (so that a recorder attached to it sees every event).
  enum class From { NearestSnapshot, Start };
  void ReplayTo(PlayPosition position, Replay& replay, From from = From::NearestSnapshot) const;

 private:
  // On the heap and shared with the readers: a timeline moves, its text stays.
  std::shared_ptr<std::string> text_ = std::make_shared<std::string>();
  std::vector<TimedBlock> blocks_;
  RecordingVerdict verdict_;
  std::vector<KeptState> snapshots_;
};

}  // namespace stonewick
