// The game written down as it is played, when the page's address asks for it (?record): the
// recording the window writes with --record (see recording_format/recording.h), handed to the page
// block by block as each event ends, and offered to the player as a file once the game has closed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/event.h"
#include "game/event_nesting.h"
#include "recording_format/recording.h"

namespace stonewick::page {

class PageRecorder final : private RecordingSink, public GameRecorder {
 public:
  // Writes the heading; the clock starts at 0 now. `nesting` is the game's.
  explicit PageRecorder(const EventNesting& nesting);

 private:
  // RecordingSink: the page script, which keeps the text.
  bool Write(const std::string& text) override;
  void Stopped(const std::string& why) override;
};

}  // namespace stonewick::page
