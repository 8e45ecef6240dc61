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

#include "game/dump.h"
#include "game/event.h"
#include "game/game.h"
#include "lists/spare_lists.h"
#include "session/front_end.h"
#include "session/live_world.h"
#include "session/timer_schedule.h"

namespace stonewick {

class RecordingSink;
class ScriptWorld;
class Timeline;
class Watching;
struct WatchOptions;

class Session final : private Host {
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
  // Everything the player does reaches the game here: keys and clicks on the board, the menu,
  // the Instructions window closing, the main window's close box. While a recording plays,
  // the keys steer the playback and only Exit and the close box act.
  void Deliver(const Event& event);
  // The wake-up the session asked for has come: the timers that are due fire.
  void WakeUp();

  // ---- Watching a recording (see session/watching.h).
  // From now on the recording plays instead of the player: call after Start.
  void Watch(Timeline recording, const WatchOptions& options);
  // Plays the recording until the main window closes or the player takes the controls.
  void RunWatching();
  bool IsWatching() const { return watching_ != nullptr && !Live(); }
  // The player jumps in the recording that plays: to `ms` after its start (a click on the
  // playback bar's track).
  void JumpInRecording(std::int64_t ms);
  // The recording that plays stops, for another to be watched: RunWatching returns.
  void LeaveRecording();
  Watching* CurrentWatching() { return watching_.get(); }
  // 0 when what was watched played back as recorded (or nothing was watched), 1 when it
  // differed.
  int WatchExitStatus() const { return watchExitStatus_; }

  // ---- The game as it stands.
  const Game& game() const { return game_; }
  const Board& board() const { return game_.board; }
  // What the window shows of it: the timers, the Pause caption and the six read-outs.
  WindowItems Shown() const;
  // The whole state, as a dump writes it.
  std::string StateText() const;
  const TimerSchedule& Timers() const { return timers_; }
  bool SkipEnabled() const { return skipEnabled_; }
  bool Closed() const { return closed_; }

 private:
  friend class LiveWorld;
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
  // An event straight to the rules, as a script gives it: nothing is recorded.
  void Apply(const Event& event) { game_.Apply(event); }
  Game& MutableGame() { return game_; }
  // The main window closes; the game ends.
  void Close();
  // Asks the front end to wake the session when the next timer is due.
  void AskForWakeUp();
  // The menu as it may be used now: greyed but for Exit while a recording plays.
  void ShowCommands();
  // Takes over the whole state another session reached, and shows it.
  void TakeOver(const Session& other);
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
  LiveWorld live_{*this};
  World* world_ = &live_;
  std::unique_ptr<Watching> watching_;
  int watchExitStatus_ = 0;
};

}  // namespace stonewick
