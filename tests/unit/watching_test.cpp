// Watching a recording, as the session steers it with no screen: jumps through blocks longer
// than a jump, the verdict of a recording with nothing to compare, and taking the controls.
#include "session/watching/watching.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "recording_format/recording.h"
#include "recording_format/script_source.h"
#include "session/scripts/run_script.h"
#include "session/watching/timeline.h"
#include "tests/support/live_player.h"

using namespace stonewick;

namespace {

// Level 5, then the box that says there are no more levels stays open 15 s while the player
// moves inside it: one block from 00:01 to 00:16.
constexpr const char* kLongBox =
    "manual\nmenu skip\nmenu skip\nmenu skip\nmenu skip\nwait 1000\nmenu skip\n"
    ">1 wait 15000\n>1 key 37\nwait 5000\nkey 38\n";

Timeline Read(const std::string& text) {
  TextLines lines(text);
  Timeline timeline;
  std::string said;
  EXPECT_EQ(timeline.Read(lines, said, "stonewick"), 0) << said;
  return timeline;
}

}  // namespace

TEST(WatchingJumps, PageDownPassesABlockLongerThanTheJump) {
  const Timeline recording = Read(kLongBox);
  ASSERT_EQ(recording.EndMs(), 21'000);
  // From the start: 00:10 lies inside the box's block, so the jump lands after it, and the
  // next one goes on to the end.
  const PlayPosition first = recording.PositionAt(0 + 10'000, Landing::After);
  EXPECT_EQ(first.clockMs, 16'000);
  EXPECT_EQ(first.block, 7U);
  const PlayPosition second = recording.PositionAt(first.clockMs + 10'000, Landing::After);
  EXPECT_EQ(second.clockMs, 21'000);
  // Page Up from after the box goes back before it, not to after it again.
  EXPECT_EQ(recording.PositionAt(16'000 - 10'000, Landing::Before).clockMs, 1'000);
}

TEST(WatchingJumps, AClickInsideALongBlockLandsAtItsNearerEdge) {
  const Timeline recording = Read(kLongBox);
  EXPECT_EQ(recording.PositionAt(3'000).clockMs, 1'000);
  EXPECT_EQ(recording.PositionAt(12'000).clockMs, 16'000);
  // Inside a wait, the jump lands where it was asked.
  EXPECT_EQ(recording.PositionAt(18'500).clockMs, 18'500);
}

namespace {

// A recording watched with no screen, steered before it runs; taking the controls goes on
// recording into `continued`.
struct Watched {
  explicit Watched(const std::string& text, std::string name = "old.rec") {
    player.session.Start();
    WatchOptions options;
    options.name = std::move(name);
    options.continueInto = &continued;
    options.date = "today";
    playback = &Watch(player.session, Read(text), options);
  }
  stonewick::testing::LivePlayer player;
  RecordingText continued;
  Watching* playback = nullptr;
};

std::string FileText(const char* name) {
  std::ifstream file(std::string(STONEWICK_SOURCE_DIR "/tests/replay/") + name);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int CheckStatus(const std::string& text) {
  TextLines lines(text);
  StringText printed;
  std::string said;
  return RunScript(lines, printed, said, {.check = true});
}

std::string FirstLines(const std::string& text, int count) {
  std::size_t at = 0;
  for (int i = 0; i < count && at != std::string::npos; ++i) {
    at = text.find('\n', at + 1);
  }
  return text.substr(0, at);
}

}  // namespace

TEST(WatchingVerdict, ARecordingWithNothingToCompareIsNotASuccess) {
  Watched watched("manual\nwait 300\nkey 39\nwait 300\nkey 38\n");
  EXPECT_EQ(watched.playback->Status().progress.kind, WatchProgress::Kind::NothingToCheck);
  watched.player.session.RunWatching();
  EXPECT_EQ(watched.player.session.WatchExitStatus(), 1);
}

TEST(WatchingTakeOver, AfterTheDifferenceTheGameGoesOnAsPlayedWithItsOwnCheckpoints) {
  const std::string old = FileText("check_recording_altered.script");
  ASSERT_EQ(CheckStatus(old), 1);
  Watched watched(old);
  watched.playback->Steer(WatchCommand::ToEnd);
  watched.playback->Steer(WatchCommand::TakeControls);
  watched.player.session.RunWatching();
  watched.player.Give(MenuChoice{MenuCommand::Exit});
  const std::string& continued = watched.continued.Text();
  EXPECT_EQ(FirstLines(continued, 3),
            "# Recorded by stonewick on today\n# Continued from old.rec at line 319, as it "
            "played back: it played differently from the recording after line 36\nmanual");
  // The new recording checks whole, though the old one does not.
  EXPECT_EQ(CheckStatus(continued), 0);
}

TEST(WatchingTakeOver, TheWatchedNameStaysOnItsHeadingLine) {
  Watched watched(FileText("check_recording_matches.script"), "old\nmenu exit\r\nkey 38");
  watched.playback->Steer(WatchCommand::TakeControls);
  watched.player.session.RunWatching();
  const std::string& continued = watched.continued.Text();
  EXPECT_EQ(FirstLines(continued, 2),
            "# Recorded by stonewick on today\n# Continued from old menu exit  key 38 at line 2");
}

TEST(WatchingBoxes, ARecordedAboutWindowShowsASecondAtNormalSpeed) {
  // The recording closed it 150 ms later, with the next tick.
  Watched watched("manual\nwait 200\nmenu about\nwait 150\nkey 38\nwait 150\nkey 39\n");
  watched.player.session.RunWatching();
  const auto& about = watched.player.about;
  ASSERT_GE(about.size(), 2U);
  EXPECT_TRUE(about[0].first);
  EXPECT_FALSE(about[1].first);
  EXPECT_GE(about[1].second - about[0].second, 1'000);
}

TEST(WatchingVerdict, ADifferenceFurtherOnIsToldFromTheStartAndWhenClosedEarly) {
  Watched watched(FileText("check_recording_altered.script"));
  EXPECT_EQ(watched.playback->Status().progress.kind, WatchProgress::Kind::DiffersAt);
  EXPECT_EQ(watched.playback->Status().progress.count, 37u);
  EXPECT_TRUE(watched.playback->Status().differs);
  // The player closes the window at once: the verdict is still the whole recording's.
  watched.player.Give(MenuChoice{MenuCommand::Exit});
  watched.player.session.RunWatching();
  EXPECT_EQ(watched.player.session.WatchExitStatus(), 1);
  ASSERT_TRUE(watched.player.session.UntoldVerdict().has_value());
  EXPECT_EQ(EnglishVerdict(*watched.player.session.UntoldVerdict()),
            "The game played back differently from the recording after line 36.\nLine 37: the "
            "state after the block of line 36 differs from its checkpoint: expected 25bd5a47, "
            "seen 3b99969e.");
}

TEST(WatchingVerdict, TheEnglishVerdictSaysOneCheckpointAndOneStateInTheSingular) {
  WatchVerdict verdict;
  verdict.kind = WatchVerdict::Kind::AsRecorded;
  verdict.checkpoints = 1;
  verdict.states = 1;
  EXPECT_EQ(EnglishVerdict(verdict),
            "The game played back exactly as recorded: 1 checkpoint and 1 state compared.");
  verdict.checkpoints = 83;
  verdict.states = 0;
  EXPECT_EQ(EnglishVerdict(verdict),
            "The game played back exactly as recorded: 83 checkpoints and 0 states compared.");
}

TEST(WatchingJumps, AJumpFromAKeptStateReachesTheStateAReplayFromTheStartReaches) {
  // A long game of keys and timer events, past several kept states.
  std::string text = "manual\nkey 38\n";
  const char* keys[] = {"key 37", "key 38", "key 39", "key 40", "key 32", "key 66"};
  for (int i = 0; i < 1500; ++i) {
    text += std::string("wait 150\ntick\n") + (i % 3 == 0 ? "slow\nbad\n" : "") +
            (i % 5 == 0 ? std::string(keys[i % 6]) + "\n" : "");
  }
  const Timeline recording = Read(text);
  for (std::int64_t ms = 0; ms <= recording.EndMs(); ms += recording.EndMs() / 37) {
    const PlayPosition to = recording.PositionAt(ms);
    Replay fromStart;
    recording.ReplayTo(to, fromStart, Timeline::From::Start);
    Replay fromKept;
    recording.ReplayTo(to, fromKept);
    ASSERT_EQ(fromKept.StateText(), fromStart.StateText()) << ms;
    ASSERT_EQ(fromKept.script().clock.nowMs, fromStart.script().clock.nowMs);
  }
}
