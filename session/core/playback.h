// A recording that plays in a session instead of the player. The session drives it through
// this, so that the core of the session needs nothing of how a recording is read, paced and
// checked (session/watching/).
#pragma once

#include <cstdint>

#include "game/event.h"
#include "session/core/watch_status.h"

namespace stonewick {

class Playback {
 public:
  virtual ~Playback() = default;
  // It takes the game's place: from now on the player's input steers it.
  virtual void Begin() = 0;
  // Plays until the main window closes, the player takes the controls or it is left.
  virtual void Run() = 0;
  // What the player does while it plays.
  virtual void Input(const Event& event) = 0;
  // Whether `event` means anything to it now; what does not goes nowhere.
  virtual bool TakesInput(const Event& event) const = 0;
  // A jump to `ms` after the recording's start.
  virtual void JumpToTime(std::int64_t ms) = 0;
  // It stops, for another recording to play: Run returns.
  virtual void Leave() = 0;
  // 1 when the recording differs from the game played back or holds nothing to compare,
  // else 0.
  virtual int ExitStatus() const = 0;
  // What checking the whole recording found; and whether the playback was left before its
  // end (the window closed, or the player took the controls).
  virtual WatchVerdict Verdict() const = 0;
  virtual bool EndedEarly() const = 0;
};

}  // namespace stonewick
