// Live play: the host's clock and the player. Events arrive as the player makes them, at any
// yield point of a running event; boxes wait for the player's answer; and, while the game is
// recorded, whatever the rules take from the world is written down.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/event.h"
#include "game/game.h"
#include "session/front_end.h"
#include "session/game_recorder.h"
#include "session/world.h"

namespace stonewick {

class LiveWorld final : public World {
 public:
  // What live play asks of the session around it.
  class Surroundings {
   public:
    // The whole state, as a dump writes it: what a recording's checkpoints are made of.
    virtual std::string StateText() const = 0;
    // The main window closes; the game ends.
    virtual void Close() = 0;
    // The timers have changed: the front end is to wake the session when one is due.
    virtual void AskForWakeUp() = 0;

   protected:
    ~Surroundings() = default;
  };

  LiveWorld(FrontEnd& frontEnd, Game& game, Surroundings& surroundings)
      : frontEnd_(frontEnd), game_(game), surroundings_(surroundings) {}

  // Records from now on, the clock at `clockMs`: `opening` is the recording's first lines.
  bool StartRecording(RecordingSink& sink, const std::string& opening, std::int64_t clockMs);
  bool StartRecording(RecordingSink& sink, std::string_view date);
  // The game is no longer recorded, and its clock is the host's again.
  void StopRecording();
  // Without a recording, the clock the rules see goes on from `clockMs` (where a recording
  // that was watched stood when the player took the controls).
  void ContinueClock(std::int64_t clockMs);
  // An event reaches the rules, recorded when a recording runs.
  void Deliver(const Event& event);
  void WindowClosed();

  double Now() override;
  std::uint32_t ClockReading() override;
  std::int64_t TimerClockMs() override;
  void TimersChanged() override;
  void YieldPoint() override;
  char Box(BoxKind kind, const std::string& message) override;
  void Pause(std::int32_t ms) override;
  void Closing() override;

 private:
  FrontEnd& frontEnd_;
  Game& game_;
  Surroundings& surroundings_;
  std::optional<GameRecorder> recorder_;
  // The steady clock's reading when the rules' clock read 0, once it goes on from a recording.
  std::optional<std::int64_t> clockZero_;
};

}  // namespace stonewick
