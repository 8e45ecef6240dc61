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
#include <string_view>
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
  // The game is still being played: more of its recording arrives (Append) until it has
  // ended (Complete). The playback waits at the end of what has arrived.
  bool live = false;
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
  // While the verdict box is open only Exit and the close box count: the keys are the box's.
  bool TakesInput(const Event& event) const override;
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

  // A game still being played (session/watching/watching_live.cpp). Lines that arrived after
  // those read so far, whole lines: false with the line stonewick-replay --check would print,
  // beginning with `program`, in `said` when the recording they make is bad, which then stays
  // as it was. A long recording is read again less often, so a bad part may be told at the
  // next one.
  bool Append(std::string_view more, std::string& said, std::string_view program);
  // The game has ended: its verdict is told once the playback reaches its end.
  void Complete();

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
  // The marks on the track: the boxes, the new levels and the first difference.
  void MarkTrack();
  // Between blocks: the longer recording that arrived takes the place of the one playing.
  void TakeLonger();
  // At the end of what has arrived of a live game: until more arrives, or its end.
  void WaitForMore();
  // Reads what arrived and is not read yet onto the recording; false, with why, when bad.
  bool ReadUnread(std::string& said);
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
  // More of a live game's recording, read whole, until the playback takes it between blocks.
  std::optional<Timeline> longer_;
  bool live_ = false;
  bool atLiveEdge_ = false;
  // A live game keeps a steady distance behind the player once it has first caught up;
  // anew after a jump.
  bool livePaced_ = false;
  // What arrived of a live game and is not read yet, what the recording is called in the
  // line that refuses a bad part, and the line when a part read later was bad.
  std::string unread_;
  std::string program_;
  std::string refused_;
  // When on the host's steady clock the next read may start.
  std::int64_t nextReadMs_ = 0;

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
  bool tellingVerdict_ = false;  // the verdict box is open
  bool verdictDue_ = false;
  // The player asked for the difference where there is none.
  bool noDifferenceAsked_ = false;
};

// From now on `recording` plays in `session` instead of the player: then
// Session::RunWatching. The session keeps the Watching it returns until the playback ends.
Watching& Watch(Session& session, Timeline recording, WatchOptions options);

}  // namespace stonewick
