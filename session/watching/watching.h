// A recording watched in the game's own window at the pace it was recorded: the same events,
// nested at the same yield points, with the same clock readings and answers, through the
// session's own game, so that the board goes through exactly the states the replay tool
// computes. The player steers it (see WatchCommand): pause, steps, speeds, jumps; and may take
// the controls at any moment to play on from there. The whole recording was checked as it was
// read; the first difference is told as soon as the playback reaches it or jumps past it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/event.h"
#include "recording_format/block.h"
#include "recording_format/script_reader.h"
#include "session/core/playback.h"
#include "session/core/session.h"
#include "session/core/watch_status.h"
#include "session/scripts/script_world.h"
#include "session/watching/playback_clock.h"
#include "session/watching/playback_verdict.h"
#include "session/watching/timeline.h"

namespace stonewick {

class RecordingSink;

struct WatchOptions {
  // What the player calls the recording: its file's name.
  std::string name;
  // Where the game goes on being recorded once the player takes the controls, and the date
  // that recording is made; null: the game just plays on.
  RecordingSink* continueInto = nullptr;
  std::string date;
};

class Watching final : public Playback, private ScriptWorld::Pacing {
 public:
  Watching(SessionCore& session, Timeline timeline, WatchOptions options);

  void Begin() override { world_.Enter(); }
  // Plays from the start; returns once the main window has closed or the player has taken
  // the controls.
  void Run() override;
  // Input from the player while the recording plays: the keys steer it, Exit and the close
  // box end the program, and nothing else reaches the game (session/watching/steering.cpp).
  void Input(const Event& event) override;
  void Steer(WatchCommand command);
  // A jump to `ms` after the recording's start (a click on the track).
  void JumpToTime(std::int64_t ms) override;
  // A jump carried out at once (the tests and the figures jump so).
  void JumpTo(PlayPosition position);
  // The playback stops, for another recording to be watched: Run returns.
  void Leave() override;

  int ExitStatus() const override { return verdict_.ExitStatus(); }
  WatchVerdict Verdict() const override { return verdict_.OfRecording(); }
  bool EndedEarly() const override { return !toldTheEnd_ && !takenOver_; }
  bool TakenOver() const { return takenOver_; }
  WatchStatus Status() const;
  const Timeline& Recording() const { return timeline_; }

 private:
  // Pacing (session/watching/watching_pace.cpp).
  void PassTime(std::int64_t ms) override;
  void YieldPoint() override;
  void HoldBox() override;
  void Pause(std::int32_t ms) override;
  bool Ended() const override;
  void GameClosed() override {}
  void AboutShown() override;

  void RunNextBlock();
  // Marks the first difference as reached once the playback has reached or passed it, and
  // pauses there.
  void RevealDifference();
  void TellVerdict(bool differs);
  void TakeControls();

  std::int64_t RealMs() const { return screen_.SteadyMs(); }
  std::int64_t PlayedMs() const { return clock_.PlayedMs(RealMs()); }
  void Anchor(std::int64_t ms) { clock_.Anchor(ms, RealMs()); }
  // No pacing while a block is played at once (a step, or the rest of one before a jump or
  // taking the controls).
  bool Hurrying() const;
  // The About window a recording opened closes a second (at 1x) after it opened, and the next
  // event waits for that.
  void CloseAbout();
  // The next event waits until the About window has shown its time.
  void HoldAbout();
  std::int64_t AboutLeftMs() const;
  // Where the recording stands, as shown.
  std::int64_t ShownMs() const;
  void Show();
  // The blocks played so far that were events.
  std::optional<std::size_t> LastEventBefore(std::size_t block) const;

  SessionCore& session_;
  FrontEnd& screen_;
  Timeline timeline_;
  WatchOptions options_;
  ScriptWorld world_;
  std::vector<WatchMark> marks_;
  PlaybackVerdict verdict_{timeline_};
  PlaybackClock clock_;

  PlayPosition position_;
  // The recording read on from the next block, and the block that runs.
  std::optional<Timeline::Reader> reader_;
  ScriptBlock block_;
  Block parsed_;
  bool stepping_ = false;
  std::optional<PlayPosition> jump_;
  bool takeOver_ = false;
  bool takenOver_ = false;
  bool left_ = false;
  // While a wait passes: when it ends.
  std::optional<std::int64_t> waitingUntil_;
  // When the About window the recording opened shows, in real time.
  std::optional<std::int64_t> aboutOpenedRealMs_;

  bool toldTheEnd_ = false;
  bool verdictDue_ = false;
  // The player asked for the difference where there is none.
  bool noDifferenceAsked_ = false;
};

// From now on `recording` plays in `session` instead of the player: then
// Session::RunWatching. The session keeps the Watching it returns until the playback ends.
Watching& Watch(Session& session, Timeline recording, WatchOptions options);

}  // namespace stonewick
