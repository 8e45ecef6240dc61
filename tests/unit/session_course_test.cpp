// The game's course as the session owns it for every host: start-up once and in one order,
// the hidden page's pause, and the pace of a recording being watched.
#include <gtest/gtest.h>

#include "session/watching/open_recording.h"
#include "session/watching/playback_clock.h"
#include "tests/support/live_player.h"

namespace stonewick {
namespace {

using testing::LivePlayer;

TEST(SessionStartUp, RunsOnceHoweverOftenAHostAsks) {
  LivePlayer once;
  once.session.Start();
  LivePlayer twice;
  twice.session.Start();
  twice.nowMs = 5'000;  // a second start-up would read another clock
  twice.session.Start();
  EXPECT_TRUE(twice.session.Started());
  EXPECT_EQ(twice.session.StateText(), once.session.StateText());
}

TEST(SessionStartUp, StartUpLeavesNothingInTheRecordingThatAReplayCouldNotRepeat) {
  // A replay starts after start-up: a recording begun before it must hold the same.
  LivePlayer asksFirst;
  ASSERT_TRUE(asksFirst.session.Record(asksFirst, "2026-01-02 03:04:05"));
  asksFirst.session.Start();
  LivePlayer asksAfter;
  asksAfter.session.Start();
  ASSERT_TRUE(asksAfter.session.Record(asksAfter, "2026-01-02 03:04:05"));
  EXPECT_NE(asksFirst.recording, "");
  EXPECT_EQ(asksFirst.recording, asksAfter.recording);
  for (LivePlayer* player : {&asksFirst, &asksAfter}) {
    player->Give(MenuChoice{MenuCommand::Start});
    player->PassTime(1'000);
  }
  EXPECT_EQ(asksFirst.recording, asksAfter.recording);
}

TEST(SessionHidden, PausesARunningGameOnlyOnce) {
  LivePlayer player;
  player.session.Start();
  player.session.Hidden();  // nothing runs yet: nothing to pause
  EXPECT_FALSE(player.session.game().pausedByPlayer);
  player.Give(MenuChoice{MenuCommand::Start});
  ASSERT_TRUE(player.session.game().running);
  player.session.Hidden();
  EXPECT_TRUE(player.session.game().pausedByPlayer);
  // Hidden again, it stays paused rather than going on.
  player.session.Hidden();
  EXPECT_TRUE(player.session.game().pausedByPlayer);
}

TEST(SessionRecordings, ABadRecordingIsRefusedNamingItsFileAndLivePlayGoesOn) {
  LivePlayer player;
  player.session.Start();
  WatchOptions options;
  options.name = "bad.rec";
  const RecordingOpened opened = OpenRecording(player.session, "key 37\nfly away\n", options);
  EXPECT_FALSE(opened.watching);
  EXPECT_EQ(opened.refusal.rfind("stonewick: bad.rec: line 2: ", 0), 0u) << opened.refusal;
  EXPECT_FALSE(player.session.HasRecordingToWatch());
  player.Give(MenuChoice{MenuCommand::Start});
  EXPECT_TRUE(player.session.game().running);
}

TEST(SessionRecordings, ARecordingOpenedBeforeStartUpPlaysAfterIt) {
  LivePlayer player;
  WatchOptions options;
  options.name = "early.rec";
  ASSERT_TRUE(OpenRecording(player.session, "wait 100\n", options).watching);
  EXPECT_FALSE(player.session.IsWatching());  // the level is not laid out yet
  player.session.Start();
  EXPECT_TRUE(player.session.IsWatching());
  player.session.RunWatching();
  // Nothing in it was compared: not called a success.
  EXPECT_EQ(player.session.WatchExitStatus(), 1);
}

TEST(PlaybackClock, RunsAtItsSpeedFromTheAnchorAndStandsStillWhilePaused) {
  PlaybackClock clock;
  clock.Anchor(1'000, 50);
  EXPECT_EQ(clock.PlayedMs(550), 1'500);
  clock.Faster(550);  // 2x from 1.5 s on
  EXPECT_STREQ(clock.SpeedName(), "2x");
  EXPECT_EQ(clock.PlayedMs(650), 1'700);
  clock.PauseOrGoOn(650);
  EXPECT_EQ(clock.PlayedMs(9'999), 1'700);
  clock.PauseOrGoOn(10'000);  // goes on where it stood
  EXPECT_EQ(clock.PlayedMs(10'100), 1'900);
}

TEST(PlaybackClock, SpeedsStayBetweenAQuarterAndSixteenTimes) {
  PlaybackClock clock;
  for (int i = 0; i < 10; ++i) {
    clock.Slower(0);
  }
  EXPECT_STREQ(clock.SpeedName(), "1/4x");
  EXPECT_EQ(clock.RealMs(1'000), 4'000);
  for (int i = 0; i < 10; ++i) {
    clock.Faster(0);
  }
  EXPECT_STREQ(clock.SpeedName(), "16x");
  EXPECT_EQ(clock.RealMs(1'000), 62);
  EXPECT_EQ(clock.RealMsUp(1'000), 63);
}

}  // namespace
}  // namespace stonewick
