// The world around a game, as the session sees it: where the time, the clock readings and the
// answers come from, and what happens at a yield point. In live play that is the host's clock
// and the player (session/core/live_world.h); while a script plays, the script
// (session/scripts/script_world.h).
#pragma once

#include <cstdint>
#include <string>

#include "session/core/front_end.h"

namespace stonewick {

class World {
 public:
  // Now as a date-time, as the rules see it.
  virtual double Now() = 0;
  virtual std::uint32_t ClockReading() = 0;
  // The millisecond clock the timers run on.
  virtual std::int64_t TimerClockMs() = 0;
  // A timer due at `dueMs` fires: the time on the timers' clock it fires at. Live play fires
  // it now; a script moves its clock to the due time first.
  virtual std::int64_t TimerFiresAt(std::int64_t dueMs) = 0;
  // Nothing more runs in this world: the window has closed, or the run has stopped.
  virtual bool Ended() const = 0;
  // The timers' schedule has changed.
  virtual void TimersChanged() {}
  // The running event lets waiting events in.
  virtual void YieldPoint() = 0;
  // A box opened by the rules; its answer.
  virtual char Box(GameBox box) = 0;
  // A frame of the smash animation: a pause that lets no event run.
  virtual void Pause(std::int32_t ms) = 0;
  // The rules close the main window (Exit, or No to playing again).
  virtual void Closing() = 0;
  // The rules have shown the About window.
  virtual void AboutShown() {}

 protected:
  ~World() = default;
};

}  // namespace stonewick
