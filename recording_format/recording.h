// The text of a recording, written as the game is played: each event that reached the rules,
// as a block with the events that ran inside it, preceded by the wait that brings the clock to
// its time and by the answers and clock readings it took, and followed by the checkpoint of
// the state it left. The session's GameRecorder decides what is written when, into a sink
// that the host gives: the window a file, the page the script that offers it as a download.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "game/event.h"
#include "game/event_nesting.h"

namespace stonewick {

class Recording {
 public:
  // `nesting` is the game's: it says where each event runs.
  explicit Recording(const EventNesting& nesting) : nesting_(nesting) {}

  // The first lines: a comment with the program that made the recording and the date, and
  // `manual`.
  static std::string Heading(std::string_view date, std::string_view program = "stonewick");
  // That comment alone.
  static std::string Comment(std::string_view date, std::string_view program = "stonewick");

  // An event is about to reach the rules, at `nowMs` (whole ms since the start; a time behind
  // the clock counts as the clock's time). Its line goes into the block under way, after the
  // wait that brings the clock there. False when it arrived inside a running event but not at
  // one of its yield points, where no replay could put it.
  bool BeginEvent(const Event& event, std::int64_t nowMs);
  // An event the recording leaves out (it stopped, or the window has closed): only the clock
  // moves to its time.
  void SkipEvent(std::int64_t nowMs) { clockMs_ = std::max(clockMs_, nowMs); }
  // The event has ended. True once the block's own event has: its lines are complete.
  bool EndEvent() const { return nesting_.Depth() == 0; }
  // The lines of the completed block, taken, and after them the checkpoint of the state it
  // left: `state` is the text of the dump as the state now stands. No checkpoint follows a
  // block during which the window closed: pass no state then.
  std::string TakeBlock(std::string_view state);

  // What a question was answered: 'Y', 'N', 'C' or ' '; and a clock reading that seeded the
  // generator. Both are taken inside an event, and written before its block.
  void Answer(char answer);
  void Reading(std::uint32_t reading);

  // The end of a game the player closed while no event ran: the wait to now, `dump`, the
  // state behind "#= " (the lines of a dump, from "state" to "end"), and `menu exit`.
  std::string FinalState(std::string_view dump, std::int64_t nowMs);

  // The clock as the rules see it: whole ms since the start, standing at the time of the
  // innermost running event.
  std::int64_t ClockMs() const { return clockMs_; }

 private:
  // Moves the clock to `nowMs`, writing the waits it takes into `lines`.
  void MoveClock(std::string& lines, std::string_view nesting, std::int64_t nowMs);

  const EventNesting& nesting_;
  std::int64_t clockMs_ = 0;
  // The block under way: its clock, answer and reading lines, then the event and those in it.
  std::string lead_;
  std::string block_;
};

// Where a recording goes.
class RecordingSink {
 public:
  // Writes the text whole. False when it could not, having said why; the recording then stops.
  virtual bool Write(const std::string& text) = 0;
  // The recording is over: it ended with the game (`why` empty) or stopped early (`why` says
  // why, for the sink to tell).
  virtual void Stopped(const std::string& why) = 0;
  // The game recorded gave way to a recording being watched: what was written is a whole
  // recording, and a new one may follow into this sink should the player take the controls.
  virtual void GaveWay() {}

 protected:
  ~RecordingSink() = default;
};

// A recording kept as text, whole.
class RecordingText final : public RecordingSink {
 public:
  bool Write(const std::string& text) override {
    text_ += text;
    return true;
  }
  void Stopped(const std::string&) override {}
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace stonewick
