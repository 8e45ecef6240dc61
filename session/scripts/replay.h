// A game played from a script with no screen: the session at the program's starting point,
// fed one script line at a time, or one block at a time (an event with the events that ran
// inside it), printing what the boxes said and what `dump` shows. The replay tool runs whole
// scripts through it; watching a recording reaches any moment of it through it.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "recording_format/block.h"
#include "recording_format/script_reader.h"
#include "recording_format/script_source.h"
#include "session/core/session_core.h"
#include "session/scripts/headless_front_end.h"
#include "session/scripts/script_world.h"
#include "session/scripts/text_sink.h"

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
  const SessionCore& session() const { return session_; }
  // For tests only, which build positions on it (tests/support/session_access.h).
  SessionCore& MutableSession() { return session_; }
  const PlayState& game() const { return session_.game(); }
  const ScriptWorld& script() const { return world_; }

 private:
  Replay(std::unique_ptr<TextSink> own, TextSink* out);

  std::unique_ptr<TextSink> ownText_;  // when the replay made its own
  HeadlessFrontEnd frontEnd_;
  SessionCore session_{frontEnd_};
  ScriptWorld world_{session_};
};

}  // namespace stonewick
