// The game's course as the session owns it for every host: start-up once and in one order,
// the hidden page's pause, what input means while a box is open, and the pace of a recording
// being watched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "session/scripts/headless_front_end.h"
#include "session/watching/open_recording.h"
#include "session/watching/playback_clock.h"
#include "tests/support/live_player.h"

namespace stonewick {
namespace {

using testing::LivePlayer;

// A recording of a tenth of a second's wait, opened under `name`: nothing in it to compare.
bool OpenWaitingRecording(Session& session, const std::string& name) {
  WatchOptions options;
  options.name = name;
  return OpenRecording(session, "wait 100\n", options).watching;
}

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

// A front end whose box, while it is open, tries the player's input on the session, as a
// host forwards whatever the player gives, including what was given just before it opened.
class InputDuringBox final : public HeadlessFrontEnd {
 public:
  InputDuringBox() : HeadlessFrontEnd(nothing_) {}
  char RunModalBox(GameBox) override {
    const std::string before = session.StateText();
    for (const Event& event :
         {Event{KeyPress{39}}, Event{BoardClick{3, 4}}, Event{MenuChoice{MenuCommand::Pause}},
          Event{MenuChoice{MenuCommand::Exit}}}) {
      taken.push_back(session.TakesInput(event));
      session.Deliver(event);
    }
    unchangedWhileOpen = session.StateText() == before && !session.Closed();
    taken.push_back(session.TakesInput(InstructionsClosed{}));
    taken.push_back(session.TakesInput(CloseBoxUsed{}));
    taken.push_back(session.TakesInput(TimerTick{GameTimer::Slow}));
    return ' ';
  }
  // While the verdict on a recording watched is told: whether a key and Exit count.
  bool TellVerdict(const WatchVerdict&, bool) override {
    verdictTakes = {session.TakesInput(KeyPress{36}),
                    session.TakesInput(MenuChoice{MenuCommand::Exit})};
    return false;
  }
  // Time passes as the playback waits; with nothing left to wait for, the player quits.
  std::int64_t SteadyMs() override { return nowMs_; }
  void Idle(std::int64_t ms) override {
    if (ms >= 0) {
      nowMs_ += std::max<std::int64_t>(ms, 1);
    } else {
      session.Deliver(MenuChoice{MenuCommand::Exit});
    }
  }
  std::vector<bool> taken;
  bool unchangedWhileOpen = false;
  std::vector<bool> verdictTakes;

 private:
  NoText nothing_;
  std::int64_t nowMs_ = 0;

 public:
  Session session{*this};
};

TEST(SessionModality, ABoxTheRulesOpenedKeepsTheWindowsInputFromTheGame) {
  InputDuringBox player;
  player.session.Start();
  EXPECT_TRUE(player.session.TakesInput(KeyPress{39}));
  for (int level = 1; level <= 5; ++level) {
    player.session.Deliver(MenuChoice{MenuCommand::Skip});  // past the last level: a box
  }
  EXPECT_EQ(player.taken, (std::vector<bool>{false, false, false, false, true, true, true}));
  EXPECT_TRUE(player.unchangedWhileOpen);
  // Once it is answered the window's input counts again.
  EXPECT_TRUE(player.session.TakesInput(MenuChoice{MenuCommand::Pause}));
  player.session.Deliver(MenuChoice{MenuCommand::Exit});
  EXPECT_TRUE(player.session.Closed());
  EXPECT_FALSE(player.session.TakesInput(CloseBoxUsed{}));
}

TEST(SessionModality, WhileARecordingPlaysOnlyKeysSteerItAndTheVerdictBoxTakesThemAsItShows) {
  InputDuringBox player;
  ASSERT_TRUE(OpenWaitingRecording(player.session, "short.rec"));
  player.session.Start();
  ASSERT_TRUE(player.session.IsWatching());
  EXPECT_TRUE(player.session.TakesInput(KeyPress{36}));
  EXPECT_FALSE(player.session.TakesInput(BoardClick{3, 4}));
  EXPECT_FALSE(player.session.TakesInput(MenuChoice{MenuCommand::Pause}));
  EXPECT_TRUE(player.session.TakesInput(MenuChoice{MenuCommand::Exit}));
  player.session.RunWatching();
  EXPECT_EQ(player.verdictTakes, (std::vector<bool>{false, true}));
  EXPECT_TRUE(player.session.Closed());
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

TEST(SessionRecordings, OpeningOneEndsTheLiveGamesRecordingAndTellsItsSinkItGaveWay) {
  LivePlayer player;
  ASSERT_TRUE(player.session.Record(player, "2026-12-08"));
  player.session.Start();
  player.Give(MenuChoice{MenuCommand::Start});
  player.PassTime(2'000);
  ASSERT_TRUE(OpenWaitingRecording(player.session, "other.rec"));
  EXPECT_TRUE(player.recordingGaveWay);
  EXPECT_FALSE(player.recordingStopped);  // not ended with the game: it may go on elsewhere
  const std::string recorded = player.recording;
  player.session.RunWatching();
  EXPECT_EQ(player.recording, recorded);
}

TEST(SessionRecordings, F1WhileARecordingPlaysAsksTheHostForTheKeysAndLeavesItPlaying) {
  LivePlayer player;
  ASSERT_TRUE(OpenWaitingRecording(player.session, "keys.rec"));
  player.session.Start();
  player.Give(KeyPress{112});
  EXPECT_EQ(player.watchKeysShown, 1);
  EXPECT_TRUE(player.session.IsWatching());
}

TEST(SessionRecordings, ARecordingOpenedBeforeStartUpPlaysAfterIt) {
  LivePlayer player;
  ASSERT_TRUE(OpenWaitingRecording(player.session, "early.rec"));
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
