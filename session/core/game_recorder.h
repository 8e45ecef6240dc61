// A game recorded as it is played, for any host: each block is written as soon as its event
// has ended, so a recording cut short by a crash replays up to the event that crashed. What
// the lines say is the recording format's (recording_format/recording.h); where they go is
// the host's sink.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "game/event.h"
#include "game/event_nesting.h"
#include "recording_format/recording.h"

namespace stonewick {

class GameRecorder {
 public:
  // `nesting` is the game's; `clock` reads the host's clock: whole milliseconds since the
  // recording started.
  GameRecorder(const EventNesting& nesting, RecordingSink& sink,
               std::function<std::int64_t()> clock)
      : nesting_(nesting), sink_(sink), clock_(std::move(clock)), recording_(nesting) {}

  // Writes the recording's first lines, `opening` (its heading, and the lines of a recording
  // it continues), after which the clock stands at `clockMs`. False when they cannot be
  // written.
  bool Start(const std::string& opening, std::int64_t clockMs = 0);

  // An event is about to reach the rules; the clock moves to its time and stands there while
  // it runs.
  void BeginEvent(const Event& event);
  // The event has ended; once the block's own event has, the block is written, with the
  // checkpoint of the state it left (`state` gives the text of the dump).
  void EndEvent(const std::function<std::string()>& state);
  // The player ends the game while no event runs: the state (the lines of a dump) and
  // `menu exit` end the recording.
  void EndWithState(const std::string& dump);

  // A script's setup line (glide, seed) between events, written as it stands.
  void Setup(std::string_view line);

  // What a question was answered, and a clock reading that seeds the generator.
  void Answer(char answer);
  void Reading(std::uint32_t reading);
  // The main window has closed: nothing after this is written, and the recording ends once
  // the running events have ended.
  void WindowClosed();

  // Whole milliseconds since the start, as the rules see the clock.
  std::int64_t ClockMs() const { return recording_.ClockMs(); }
  // False once the recording is over, by the end of the game or by a failed write.
  bool Writing() const { return writing_; }
  // The game gives way to a recording being watched: the sink is told, and nothing more is
  // written.
  void GiveWay();

 private:
  bool Taking() const { return writing_ && !windowClosed_; }
  void Write(const std::string& text);
  void Stop(const std::string& why);

  const EventNesting& nesting_;
  RecordingSink& sink_;
  std::function<std::int64_t()> clock_;
  Recording recording_;
  bool writing_ = true;
  bool windowClosed_ = false;
};

}  // namespace stonewick
