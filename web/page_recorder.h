// The game written down as it is played, when the page's address asks for it (?record): the
// recording the window writes with --record (see tools/recording.h), handed to the page block
// by block as each event ends, and offered to the player as a file once the game has closed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/event.h"
#include "game/event_nesting.h"
#include "tools/recording.h"

namespace stonewick::page {

class PageRecorder {
 public:
  // Writes the heading; the clock starts at 0 now. `nesting` is the game's.
  explicit PageRecorder(const EventNesting& nesting);

  // An event is about to reach the rules; the clock moves to its time and stands there while
  // it runs.
  void BeginEvent(const Event& event);
  // The event has ended; once the block's own event has, the block goes to the page with the
  // checkpoint of the state it left (`state` gives the text of the dump).
  void EndEvent(const std::function<std::string()>& state);
  // The player ends the game while no event runs: the state (the lines of a dump) and
  // `menu exit` end the recording.
  void EndWithState(const std::string& dump);

  // What a question was answered, and a clock reading that seeds the generator.
  void Answer(char answer);
  void Reading(std::uint32_t reading);
  // The main window has closed: nothing after this is written, and the recording ends once
  // the running events have ended.
  void WindowClosed();

  // Whole milliseconds since the start, as the rules see the clock.
  std::int64_t ClockMs() const { return recording_.ClockMs(); }

 private:
  bool Taking() const { return !ended_ && !windowClosed_; }
  // Whole milliseconds since the start on the page's clock.
  std::int64_t RealMs() const;
  void End();

  const EventNesting& nesting_;
  Recording recording_;
  double startMs_;
  bool windowClosed_ = false;
  bool ended_ = false;
};

}  // namespace stonewick::page
