// Carries out a script's lines on a game whose host takes the time, the timers, the answers
// and the clock readings from a ScriptedClock: an event reaches the rules through Game::Apply
// (a timer's tick only while that timer runs), answers and readings are queued, the clock
// moves on with the timers that fall due firing on the way, and the events nested in a block
// run at their yield points. The replay tool runs a script through it as fast as it can; the
// window plays a recording through it at the pace it was recorded.
#pragma once

#include <cstdint>

#include "game/game.h"
#include "tools/block.h"
#include "tools/scripted_clock.h"

namespace stonewick {

class ScriptSession : private BlockLines {
 public:
  // What differs between the places a script plays.
  class Surroundings {
   public:
    // `dump`: the whole state is shown.
    virtual void Dump() = 0;
    // The main window has closed or the run has stopped: nothing more runs.
    virtual bool Over() const = 0;
    // A nested line cannot run: the run stops in the middle of an event.
    virtual void Stop() = 0;
    // The clock is about to move on to `ms`: a window playing a recording lets the real time
    // that takes pass first.
    virtual void PassTime(std::int64_t ms) { (void)ms; }

   protected:
    ~Surroundings() = default;
  };

  ScriptSession(Game& game, ScriptedClock& clock, Surroundings& surroundings)
      : game_(game), clock_(clock), surroundings_(surroundings) {}

  // Runs a block that has been read whole: one command, or an event with the lines nested in
  // it. When a nested line cannot run, the run stops (see StopError).
  void RunBlock(const Block& block) { runner_.Run(block); }
  // The clock moves on by `ms`, firing the timers that fall due on the way (none fire by
  // themselves after `manual`).
  void Wait(std::int64_t ms);
  // One event of `timer` now, if that timer runs.
  void DeliverTimer(GameTimer timer);
  // The host tells of each yield point of the rules here.
  void YieldPointReached() { runner_.YieldPointReached(); }
  const ScriptError& StopError() const { return runner_.StopError(); }

 private:
  // BlockLines: one line's command carried out.
  void Run(const Command& command) override;
  bool Over() const override { return surroundings_.Over(); }
  void Stop() override { surroundings_.Stop(); }

  Game& game_;
  ScriptedClock& clock_;
  Surroundings& surroundings_;
  BlockRunner runner_{game_.nesting, *this};
};

}  // namespace stonewick
