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
