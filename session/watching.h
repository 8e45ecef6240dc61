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
#include "session/script_world.h"
#include "session/session.h"
#include "session/timeline.h"
#include "session/watch_status.h"

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
  Watching(Session& session, Timeline timeline, WatchOptions options);

  void Begin() override { world_.Enter(); }
  // Plays from the start; returns once the main window has closed or the player has taken
  // the controls.
  void Run() override;
  // Input from the player while the recording plays: the keys steer it, Exit and the close
  // box end the program, and nothing else reaches the game.
  void Input(const Event& event) override;
  void Steer(WatchCommand command);
  // A jump to `ms` after the recording's start (a click on the track).
  void JumpToTime(std::int64_t ms) override;
  // A jump carried out at once (the tests and the figures jump so).
  void JumpTo(PlayPosition position);
  // The playback stops, for another recording to be watched: Run returns.
  void Leave() override;

  // 1 when the recording, anywhere in it, differs from the game played back; else 0.
  int ExitStatus() const override;
  std::string Verdict() const override { return EnglishVerdict(VerdictOfRecording()); }
  bool EndedEarly() const override { return !toldTheEnd_ && !takenOver_; }
  bool TakenOver() const { return takenOver_; }
  WatchStatus Status() const;
  const Timeline& Recording() const { return timeline_; }

  // A game still being played (watching_live.cpp). Lines that arrived after those read so
  // far, whole lines: false with the line stonewick-replay --check would print, beginning with
  // `program`, in `said` when the recording they make is bad, which then stays as it was. A
  // long recording is read again less often, so a bad part may be told at the next one.
  bool Append(std::string_view more, std::string& said, std::string_view program);
  // The game has ended: its verdict is told once the playback reaches its end.
  void Complete();

  // The speeds, from a quarter to sixteen times the recorded pace.
  static constexpr int kSpeedCount = 7;
  static constexpr int kNormalSpeed = 2;

 private:
  // Pacing.
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
  // Compares the state the window's game reached with what the block's lines say.
  void Compare(const ScriptBlock& block, const Block& parsed);
  // Marks the first difference as reached once the playback has reached or passed it, and
  // pauses there.
  void RevealDifference();
  void TellTheEnd();
  void TellVerdict(bool differs);
  WatchVerdict VerdictOfRecording() const;
  void TakeControls();
  // The first lines of the recording that goes on once the player takes the controls at
  // `clockMs`: a heading that says where it came from, then the game up to here.
  std::string ContinuedOpening(std::int64_t clockMs) const;

  // The pace: the recording's time runs `Speed()` times as fast as real time from the
  // anchor on, and stands still while paused.
  double Speed() const;
  std::int64_t PlayedMs() const;
  void Anchor(std::int64_t ms);
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

  Session& session_;
  Timeline timeline_;
  WatchOptions options_;
  ScriptWorld world_;
  std::vector<WatchMark> marks_;
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
  int speed_ = kNormalSpeed;
  bool paused_ = false;
  bool stepping_ = false;
  std::optional<PlayPosition> jump_;
  bool takeOver_ = false;
  bool takenOver_ = false;
  bool left_ = false;
  std::int64_t anchorMs_ = 0;
  std::int64_t anchorRealMs_ = 0;
  // While a wait passes: when it ends.
  std::optional<std::int64_t> waitingUntil_;
  // When the About window the recording opened shows, in real time.
  std::optional<std::int64_t> aboutOpenedRealMs_;

  bool toldTheEnd_ = false;
  // The first difference has been reached; the player is told it between blocks.
  bool differenceTold_ = false;
  bool verdictDue_ = false;
  // The player asked for the difference where there is none.
  bool noDifferenceAsked_ = false;
  // A difference the window's own game showed, where checking the recording found none.
  std::optional<ScriptError> ownDifference_;
  std::uint64_t ownDifferenceBlockLine_ = 0;
};

// From now on `recording` plays in `session` instead of the player: call after Start, then
// Session::RunWatching. The session keeps the Watching it returns until the playback ends.
Watching& Watch(Session& session, Timeline recording, WatchOptions options);

}  // namespace stonewick
