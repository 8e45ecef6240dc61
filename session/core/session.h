// One game and everything about its course but drawing: start-up, the events the player
// gives, the timers, recording, and watching a recording. The window, the page and the replay
// tool each give it a FrontEnd and hand it what the player does; they read the game through
// the views below and change it only by events and the session's own commands.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "game/event.h"
#include "game/game.h"
#include "session/core/front_end.h"
#include "session/core/playback.h"
#include "session/core/session_core.h"
#include "session/core/watch_status.h"

namespace stonewick {

class RecordingSink;

class Session final {
 public:
  explicit Session(FrontEnd& frontEnd);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Start-up, once, as the main window first shows, in the same order for every host: the
  // recording the host asked for has begun, its clock reading 0 where a replay starts;
  // creating the window gave the first Power and showing it lays out level 1; then a
  // recording given to watch takes the game's place. Nothing moves until the first key or
  // Start. A second call does nothing.
  void Start();
  bool Started() const { return started_; }

  // ---- Live play.
  // Records the game from now on into `sink`, with the date it is made: a host asks before
  // Start, so that the recording holds the whole game. False when not even the heading could
  // be written.
  bool Record(RecordingSink& sink, std::string_view date);
  // Everything the player does reaches the game here: keys and clicks on the board, the menu,
  // the Instructions window closing, the main window's close box. While a recording plays,
  // the keys steer the playback and only Exit and the close box act. What the session does not
  // take (see TakesInput) goes nowhere.
  void Deliver(const Event& event);
  // Whether `event` means anything now. While a box the rules opened waits for its answer it
  // blocks the main window: the keys, clicks and menu choices meant for the window are
  // dropped, even those given before the box opened, while the timers, the Instructions
  // window closing and the close box still count. While a recording plays, the playback says
  // which input steers it. Hosts forward every input; they may ask this to route a key.
  bool TakesInput(const Event& event) const;
  // The wake-up the session asked for has come: the timers that are due fire.
  void WakeUp();
  // The page or the window is hidden while the game runs: the game pauses, as the player's
  // Pause would, and stays paused when it shows again.
  void Hidden();
  // Live play answers every clock reading with `seed` (see LiveWorld::AnswerReadingsWith).
  void AnswerClockReadingsWith(std::uint32_t seed) { core_.LivePlay().AnswerReadingsWith(seed); }

  // ---- Watching a recording (see session/watching/).
  // From now on `playback` plays instead of the player. Given before Start, it begins after
  // start-up; given while another plays, that one stops first and this one follows it.
  void Watch(std::unique_ptr<Playback> playback);
  // Plays the recording given, and those given while it plays, until the main window closes
  // or the player takes the controls.
  void RunWatching();
  bool IsWatching() const { return watching_ != nullptr && !core_.Live(); }
  // A recording waits to be watched, or plays.
  bool HasRecordingToWatch() const { return watching_ != nullptr || nextWatching_ != nullptr; }
  // The player jumps in the recording that plays: to `ms` after its start (a click on the
  // playback bar's track).
  void JumpInRecording(std::int64_t ms);
  // The recording that plays stops, for another to be watched: RunWatching returns.
  void LeaveRecording();
  // The program's exit status: 0 when what was watched played back as recorded (or nothing
  // was watched), 1 when it differed or held nothing to compare.
  int WatchExitStatus() const { return watchExitStatus_; }
  // The verdict on what was watched, once it has stopped, when the player did not see it at
  // the end: for the host to word as the program ends.
  const std::optional<WatchVerdict>& UntoldVerdict() const { return untoldVerdict_; }

  // ---- The game as it stands.
  const PlayState& game() const { return core_.game(); }
  const Board& board() const { return core_.game().board; }
  WindowItems Shown() const { return core_.Shown(); }
  std::string StateText() const { return core_.StateText(); }
  const TimerSchedule& Timers() const { return core_.Timers(); }
  bool SkipEnabled() const { return core_.SkipEnabled(); }
  bool Closed() const { return core_.Closed(); }
  std::optional<std::int64_t> RecordingClockMs() const { return core_.RecordingClockMs(); }

  // The game's core, for the rooms that play scripts and recordings through it, and for
  // the tests. Hosts do not reach it.
  SessionCore& Core() { return core_; }
  const SessionCore& Core() const { return core_; }

 private:
  void BeginWatching();

  SessionCore core_;
  bool started_ = false;
  std::unique_ptr<Playback> watching_;
  // The playback whose Run is under way, and one given while it ran (or before start-up),
  // which plays after it.
  Playback* running_ = nullptr;
  std::unique_ptr<Playback> nextWatching_;
  int watchExitStatus_ = 0;
  std::optional<WatchVerdict> untoldVerdict_;
};

}  // namespace stonewick
