// The game and everything around it that every way of playing shares: the rules' state, what
// the window shows of it, the timers' schedule, the recorder, and the world the game is in
// (live play, or a script). It has the one door every event goes through, whoever gives it,
// and the one loop that moves time on. The session owns one for live play and watching; the
// headless game owns one for scripts. Hosts reach the game through Session, not through this.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/event.h"
#include "game/game.h"
#include "lists/spare_lists.h"
#include "session/core/dump.h"
#include "session/core/front_end.h"
#include "session/core/game_recorder.h"
#include "session/core/live_world.h"
#include "session/core/shown_values.h"
#include "session/core/timer_schedule.h"

namespace stonewick {

// The whole state of a game between events: the rules' state and what the window shows of it.
// A recording being watched keeps some, to jump without replaying from the start.
struct SessionSnapshot {
  PlayState game;
  TimerSchedule timers;
  std::array<ReadoutValue, kReadoutCount> readouts;
  PauseOffer pauseOffer = PauseOffer::Pause;
  bool skipEnabled = true;
};

class SessionCore final : private Host, private LiveWorld::Surroundings {
 public:
  explicit SessionCore(FrontEnd& frontEnd);
  SessionCore(const SessionCore&) = delete;
  SessionCore& operator=(const SessionCore&) = delete;

  // The program's start-up: creating the main window gave the first Power, showing it lays out
  // level 1.
  void Start();

  // ---- The one door and the one clock.
  // Every event reaches the rules here, whoever gives it (the player, a script, a recording
  // being watched), and is recorded while a recorder is attached.
  void Feed(const Event& event);
  // Time moves on to `untilMs` on the timers' clock: every timer due by then fires, in time
  // order, at the time the world gives it, until nothing more runs.
  void AdvanceTime(std::int64_t untilMs);
  // A script's setup lines, written into the recording as they are.
  void SetGlide(bool on);
  void SetSeed(std::uint32_t seed);

  // ---- Recording.
  // Records the game from now on into `sink`, with `opening` as the recording's first lines,
  // after which its clock stands at `clockMs`. False when they could not be written.
  bool Record(RecordingSink& sink, const std::string& opening, std::int64_t clockMs);
  // The live game gives way to a recording being watched: its recording ends, and its sink
  // is told so.
  void StopRecording();
  // The recording's clock (whole ms since it started, standing at the running event's time),
  // while the game is recorded.
  std::optional<std::int64_t> RecordingClockMs() const override;

  // ---- The world the game is in.
  void UseWorld(World& world) { world_ = &world; }
  bool Live() const { return world_ == &live_; }
  LiveWorld& LivePlay() { return live_; }
  const LiveWorld& LivePlay() const { return live_; }
  // Live play again after a script or a recording: the timers start a new interval from the
  // host's now.
  void BackToLivePlay();
  // The main window closes, and the game ends; the front end is asked to wake the session when
  // the next timer is due.
  void Close() override;
  void AskForWakeUp() override;
  bool Closed() const override { return closed_; }
  // The menu as it may be used now: greyed but for Exit while a recording plays.
  void ShowCommands();
  FrontEnd& Screen() { return frontEnd_; }

  // ---- The game as it stands.
  const PlayState& game() const { return game_.State(); }
  // The rules themselves, for the scripts room: their nesting of events.
  Game& MutableGame() { return game_; }
  // How deep events run inside one another now: 0 between events.
  std::size_t NestingDepth() const { return game_.Nesting().Depth(); }
  // What the window shows of it: the timers, the Pause caption and the six read-outs.
  WindowItems Shown() const;
  // The whole state, as a dump writes it.
  std::string StateText() const;
  const TimerSchedule& Timers() const { return timers_; }
  bool SkipEnabled() const { return skipEnabled_; }
  // The list module's own lists, which must be empty between events.
  const SpareLists& Lists() const { return spareLists_; }

  // ---- Whole states.
  SessionSnapshot Snapshot() const;
  // Back to a state taken between events, shown to no one.
  void Restore(const SessionSnapshot& snapshot);
  // Takes over the whole state another game reached, and shows it.
  void TakeOver(const SessionCore& other);

  // ---- For building positions in tests and benchmarks: the rules' state, and the list
  // module's lists, changed directly.
  Game& GameForTests() { return game_; }
  SpareLists& ListsForTests() { return spareLists_; }

 private:
  // Host: the rules' requests (session/core/rules_requests.cpp).
  void DrawCell(int col, int row, std::int32_t code) override;
  void ShowReadout(Readout readout, std::int32_t number) override;
  void RunPendingEvents() override;
  void ShowMessage(GameBox message) override;
  char AskYesNoCancel(GameBox question) override;
  void SetTimersRunning(bool running) override;
  void SetBadStepInterval(std::int32_t ms) override;
  double Now() override;
  std::uint32_t ClockReading() override;
  void PauseMs(std::int32_t ms) override;
  void ShowPauseCommand(PauseOffer offer) override;
  void EnableSkipCommand(bool enabled) override;
  void CloseMainWindow() override;
  void ShowInstructions(int colour) override;
  void ShowAbout() override;

  void RecordSetup(std::string_view line);

  FrontEnd& frontEnd_;
  // The list module's start-up comes before the rules'.
  SpareLists spareLists_;
  Game game_{*this};
  TimerSchedule timers_;
  std::array<ReadoutValue, kReadoutCount> readouts_ = kOpeningReadouts;  // as shown
  PauseOffer pauseOffer_ = PauseOffer::Pause;
  bool skipEnabled_ = true;
  bool closed_ = false;
  std::optional<GameRecorder> recorder_;
  LiveWorld live_{frontEnd_, *this};
  World* world_ = &live_;
};

}  // namespace stonewick
