// One game and everything about it but drawing: the rules' state, events delivered with the
// recording around them, the three timers' schedule, start-up, recording, and watching a
// recording. The window, the page and the replay tool each give it a FrontEnd and hand it
// what the player does; they read the game through the views below and change it only by
// events and the session's own commands.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "game/event.h"
#include "game/game.h"
#include "lists/spare_lists.h"
#include "session/dump.h"
#include "session/front_end.h"
#include "session/game_recorder.h"
#include "session/live_world.h"
#include "session/timer_schedule.h"

namespace stonewick {

class RecordingSink;
class ScriptWorld;

// A recording that plays in a session instead of the player: Watching (session/watching.h).
class Playback {
 public:
  virtual ~Playback() = default;
  // It takes the game's place: from now on the player's input steers it.
  virtual void Begin() = 0;
  // Plays until the main window closes, the player takes the controls or it is left.
  virtual void Run() = 0;
  // What the player does while it plays.
  virtual void Input(const Event& event) = 0;
  // A jump to `ms` after the recording's start.
  virtual void JumpToTime(std::int64_t ms) = 0;
  // It stops, for another recording to play: Run returns.
  virtual void Leave() = 0;
  // 1 when the recording differs from the game played back or holds nothing to compare,
  // else 0.
  virtual int ExitStatus() const = 0;
  // What checking the whole recording found, in a sentence; and whether the playback was
  // left before its end (the window closed, or the player took the controls).
  virtual std::string Verdict() const = 0;
  virtual bool EndedEarly() const = 0;
};

// The whole state of a session's game between events: the rules' state and what the window
// shows of it. A recording being watched keeps some, to jump without replaying from the start.
struct SessionSnapshot {
  PlayState game;
  TimerSchedule timers;
  std::array<std::string, kReadoutCount> readouts;
  std::string pauseCaption;
  bool skipEnabled = true;
};

class Session final : private Host, private LiveWorld::Surroundings {
 public:
  explicit Session(FrontEnd& frontEnd);
  ~Session() override;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Start-up, once, as the main window first shows: creating the window gave the first
  // Power, showing it lays out level 1. Nothing moves until the first key or Start.
  void Start();

  // ---- Live play.
  // Records the game from now on into `sink`, with the date it is made; the recording's clock
  // reads 0 now, where a replay starts. False when not even the heading could be written.
  bool Record(RecordingSink& sink, std::string_view date);
  // The same with the recording's first lines given whole, after which its clock stands at
  // `clockMs`.
  bool Record(RecordingSink& sink, const std::string& opening, std::int64_t clockMs);
  // Everything the player does reaches the game here: keys and clicks on the board, the menu,
  // the Instructions window closing, the main window's close box. While a recording plays,
  // the keys steer the playback and only Exit and the close box act.
  void Deliver(const Event& event);
  // The wake-up the session asked for has come: the timers that are due fire.
  void WakeUp();

  // ---- Watching a recording (see session/watching.h).
  // From now on `playback` plays instead of the player: call after Start. Watch
  // (session/watching.h) makes a recording's. Given while another plays, that one stops
  // first.
  void Watch(std::unique_ptr<Playback> playback);
  // Plays the recording until the main window closes or the player takes the controls.
  void RunWatching();
  bool IsWatching() const { return watching_ != nullptr && !Live(); }
  // The player jumps in the recording that plays: to `ms` after its start (a click on the
  // playback bar's track).
  void JumpInRecording(std::int64_t ms);
  // The recording that plays stops, for another to be watched: RunWatching returns.
  void LeaveRecording();
  // Live play answers every clock reading with `seed` (see LiveWorld::AnswerReadingsWith).
  void AnswerClockReadingsWith(std::uint32_t seed) { live_.AnswerReadingsWith(seed); }
  // 0 when what was watched played back as recorded (or nothing was watched), 1 when it
  // differed.
  int WatchExitStatus() const { return watchExitStatus_; }
  // The verdict on what was watched, once it has stopped: empty when nothing was watched, or
  // when the player saw it at the end.
  const std::string& UntoldVerdict() const { return untoldVerdict_; }

  // ---- The game as it stands.
  const Game& game() const { return game_; }
  const Board& board() const { return game_.board; }
  // What the window shows of it: the timers, the Pause caption and the six read-outs.
  WindowItems Shown() const;
  // The whole state, as a dump writes it.
  std::string StateText() const;
  const TimerSchedule& Timers() const { return timers_; }
  bool SkipEnabled() const { return skipEnabled_; }
  bool Closed() const override { return closed_; }
  // The state between events, to be restored later (in the scripts room).
  SessionSnapshot Snapshot() const;
  // The recording's clock (whole ms since it started, standing at the running event's
  // time), while the game is recorded.
  std::optional<std::int64_t> RecordingClockMs() const override;

 private:
  friend class ScriptWorld;
  friend class Watching;
  friend class Replay;
  // The tests' way inside (tests/support/session_access.h).
  friend struct SessionTestAccess;

  // Host: the rules' requests.
  void DrawCell(int col, int row, std::int32_t code) override;
  void ShowReadout(Readout readout, const std::string& text) override;
  void RunPendingEvents() override;
  void ShowMessage(const std::string& message) override;
  char AskYesNoCancel(const std::string& message) override;
  void SetTimersRunning(bool running) override;
  void SetBadStepInterval(std::int32_t ms) override;
  double Now() override;
  std::uint32_t ClockReading() override;
  void PauseMs(std::int32_t ms) override;
  void ShowPauseCommand(const std::string& caption) override;
  void EnableSkipCommand(bool enabled) override;
  void CloseMainWindow() override;
  void ShowInstructions(int colour) override;
  void ShowAbout() override;

  // For the worlds: the world the game sees from now on.
  void UseWorld(World& world) { world_ = &world; }
  bool Live() const { return world_ == &live_; }
  // The one door: every event reaches the rules here, whoever gives it (the player, a script,
  // a recording being watched), and is recorded while a recorder is attached.
  void Feed(const Event& event);
  // Time moves on to `untilMs` on the timers' clock: every timer due by then fires, in time
  // order, at the time the world gives it, until nothing more runs. Live play, scripts and
  // watching all advance time here.
  void AdvanceTime(std::int64_t untilMs);
  // A script's setup line (glide, seed), written into the recording as it is.
  void RecordSetup(std::string_view line);
  void StopRecording();
  Game& MutableGame() { return game_; }
  // LiveWorld::Surroundings: the main window closes, and the game ends; the front end is asked
  // to wake the session when the next timer is due.
  void Close() override;
  void AskForWakeUp() override;
  // The menu as it may be used now: greyed but for Exit while a recording plays.
  void ShowCommands();
  // Takes over the whole state another session reached, and shows it.
  void TakeOver(const Session& other);
  // Back to a state taken between events, shown to no one.
  void Restore(const SessionSnapshot& snapshot);
  // The player takes the controls from a recording that plays.
  void StopWatching();

  FrontEnd& frontEnd_;
  // The list module's start-up comes before the rules'.
  SpareLists spareLists_;
  Game game_{*this};
  TimerSchedule timers_;
  std::array<std::string, kReadoutCount> readouts_;  // as shown, by Readout
  std::string pauseCaption_ = kPauseCaption;
  bool skipEnabled_ = true;
  bool closed_ = false;
  std::optional<GameRecorder> recorder_;
  LiveWorld live_{frontEnd_, *this};
  World* world_ = &live_;
  std::unique_ptr<Playback> watching_;
  // The playback whose Run is under way, and one given while it ran, which plays after it.
  Playback* running_ = nullptr;
  std::unique_ptr<Playback> nextWatching_;
  int watchExitStatus_ = 0;
  std::string untoldVerdict_;
};

}  // namespace stonewick
