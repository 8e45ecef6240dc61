// The main window's three timers in the page: the main tick every 150 ms, the slow tick every
// 400 ms and the bad step at the interval the rules set. Like the desktop's timers they fire
// only from the event loop: a tick that comes late fires once and the timer keeps its beat
// from then on, and a timer never fires again inside its own tick.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/event.h"

namespace stonewick::page {

class PageTimers {
 public:
  PageTimers();

  // The three run and stop together. Starting timers that already run keeps their phase;
  // stopping them forgets it.
  void SetRunning(bool running, double nowMs);
  // The same interval again changes nothing; a new one restarts a running bad-step timer,
  // which then fires a whole new interval later.
  void SetBadStepInterval(std::int32_t ms, double nowMs);

  // Whole milliseconds until the next tick may fire (0: one is due now); -1 when none can.
  int MsUntilDue(double nowMs) const;
  // The timer that is due, in the order Main, Slow, BadStep when several are, and marks its
  // tick as running; none while the due timers' own ticks still run.
  std::optional<GameTimer> TakeDue(double nowMs);
  void TickEnded(GameTimer timer);

  bool Running() const { return timers_[0].running; }
  std::int32_t BadStepInterval() const;

 private:
  struct Timer {
    std::int32_t interval = 0;
    bool running = false;
    bool ticking = false;  // its tick is being delivered
    double due = 0;        // ms on the page's clock, while running
  };
  Timer& Of(GameTimer timer) { return timers_[static_cast<std::size_t>(timer)]; }
  std::array<Timer, kGameTimerCount> timers_;
};

}  // namespace stonewick::page
