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

class PageRecorder final : private RecordingSink {
 public:
  // Writes the heading; the clock starts at 0 now. `nesting` is the game's.
  explicit PageRecorder(const EventNesting& nesting);

  // See GameRecorder; the clock is whole milliseconds since the page started recording.
  void BeginEvent(const Event& event) { game_.BeginEvent(event, RealMs()); }
  void EndEvent(const std::function<std::string()>& state) { game_.EndEvent(state); }
  void EndWithState(const std::string& dump) { game_.EndWithState(dump, RealMs()); }
  void Answer(char answer) { game_.Answer(answer); }
  void Reading(std::uint32_t reading) { game_.Reading(reading); }
  void WindowClosed() { game_.WindowClosed(); }
  std::int64_t ClockMs() const { return game_.ClockMs(); }

 private:
  std::int64_t RealMs() const;
  // RecordingSink: the page script, which keeps the text.
  bool Write(const std::string& text) override;
  void Stopped(const std::string& why) override;

  double startMs_;
  GameRecorder game_;
};

}  // namespace stonewick::page
