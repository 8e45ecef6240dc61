// Live play: the host's clock and the player. Events arrive as the player makes them, at any
// yield point of a running event, and boxes wait for the player's answer. While the game is
// recorded the rules see the recording's clock, so that a replay gives them the same times.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "session/core/front_end.h"
#include "session/core/world.h"

namespace stonewick {

class LiveWorld final : public World {
 public:
  // What live play asks of the session around it.
  class Surroundings {
   public:
    // The recording's clock (whole ms since it started, standing at the running event's
    // time), while the game is recorded.
    virtual std::optional<std::int64_t> RecordingClockMs() const = 0;
    // The main window closes; the game ends.
    virtual void Close() = 0;
    virtual bool Closed() const = 0;
    // The timers have changed: the front end is to wake the session when one is due.
    virtual void AskForWakeUp() = 0;

   protected:
    ~Surroundings() = default;
  };

  LiveWorld(FrontEnd& frontEnd, Surroundings& surroundings)
      : frontEnd_(frontEnd), surroundings_(surroundings) {}

  // Without a recording, the clock the rules see goes on from `clockMs` (where a recording
  // that was watched stood when the player took the controls).
  void ContinueClock(std::int64_t clockMs);
  // The clock the rules see is the host's again.
  void ForgetClock() { clockZero_.reset(); }
  // Every clock reading is answered with `seed` rather than the host's clock: a board that
  // everyone plays alike (the hall's daily board). The reading is recorded as any other, so a
  // replay lays out the same board.
  void AnswerReadingsWith(std::uint32_t seed) { readingSeed_ = seed; }

  double Now() override;
  std::uint32_t ClockReading() override {
    return readingSeed_ ? *readingSeed_ : frontEnd_.ClockReading();
  }
  std::int64_t TimerClockMs() override { return frontEnd_.SteadyMs(); }
  std::int64_t TimerFiresAt(std::int64_t) override { return frontEnd_.SteadyMs(); }
  bool Ended() const override { return surroundings_.Closed(); }
  void TimersChanged() override { surroundings_.AskForWakeUp(); }
  void YieldPoint() override { frontEnd_.LetEventsIn(); }
  char Box(GameBox box) override;
  // A box the rules opened waits for the player's answer.
  bool BoxOpen() const { return openBoxes_ > 0; }
  void Pause(std::int32_t ms) override;
  void Closing() override { surroundings_.Close(); }

 private:
  FrontEnd& frontEnd_;
  Surroundings& surroundings_;
  // The steady clock's reading when the rules' clock read 0, once it goes on from a recording.
  std::optional<std::int64_t> clockZero_;
  std::optional<std::uint32_t> readingSeed_;
  int openBoxes_ = 0;  // boxes open inside one another
};

}  // namespace stonewick
