// A script in place of the world: its clock, with the timers firing in virtual time until
// `manual`, the answers and clock readings it queued, and the events it nests at the yield
// points of the events they ran inside. The replay tool plays a script through it as fast as
// it can; watching a recording plays one at the pace it was recorded (see Pacing).
#pragma once

#include <cstdint>
#include <string>

#include "recording_format/block.h"
#include "session/core/world.h"
#include "session/scripts/scripted_clock.h"

namespace stonewick {

class SessionCore;

class ScriptWorld final : public World, private BlockLines {
 public:
  // What a player watching the script needs: real time passing, and the screen shown on the
  // way. The replay tool has none.
  class Pacing {
   public:
    // The script's clock is about to move on to `ms`.
    virtual void PassTime(std::int64_t ms) = 0;
    // The rules let waiting events in: the screen may show.
    virtual void YieldPoint() = 0;
    // A box is open, and what the script ran inside it has run.
    virtual void HoldBox() = 0;
    // A frame of the smash animation.
    virtual void Pause(std::int32_t ms) = 0;
    // The player has ended the playback: nothing more runs.
    virtual bool Ended() const = 0;
    // The rules closed the main window: the script's game is over.
    virtual void GameClosed() = 0;
    virtual void AboutShown() = 0;

   protected:
    ~Pacing() = default;
  };

  ScriptWorld(SessionCore& session, Pacing* pacing = nullptr);
  // The session plays the script from now on.
  void Enter();

  // Runs a block that has been read whole: one command, or an event with the lines nested in
  // it. When a nested line cannot run, the run stops (see StopError).
  void RunBlock(const Block& block) { runner_.Run(block); }
  // The clock moves on by `ms`, firing the timers that fall due on the way (none fire by
  // themselves after `manual`).
  void Wait(std::int64_t ms);
  // One event of `timer` now, if that timer runs.
  void DeliverTimer(GameTimer timer);
  const ScriptError& StopError() const { return runner_.StopError(); }

  // The rules closed the main window; the run has stopped in the middle of an event.
  bool Closed() const { return closed_; }
  bool Stopped() const { return stopped_; }
  // Neither: the script's game goes on.
  bool Showing() const { return !closed_ && !stopped_; }

  // Takes over where another script world stands: its clock, answers and readings.
  void TakeOver(const ScriptWorld& other);

  ScriptedClock clock;

  // World.
  double Now() override { return clock.Days(); }
  std::uint32_t ClockReading() override { return clock.TakeReading(); }
  std::int64_t TimerClockMs() override { return clock.nowMs; }
  std::int64_t TimerFiresAt(std::int64_t dueMs) override;
  bool Ended() const override { return Over(); }
  void YieldPoint() override;
  char Box(GameBox box) override;
  void Pause(std::int32_t ms) override;
  void Closing() override;
  void AboutShown() override;

 private:
  // BlockLines: one line's command carried out.
  void Run(const Command& command) override;
  bool Over() const override;
  void Stop() override { stopped_ = true; }

  SessionCore& session_;
  Pacing* pacing_;
  BlockRunner runner_;
  bool closed_ = false;
  bool stopped_ = false;
};

}  // namespace stonewick
