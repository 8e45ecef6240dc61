// Play control: pausing and starting, the counters and their labels, the three timer
// handlers with their shared guard, the bad step's interval, and a caught player.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace stonewick::testing {
namespace {

using PlayControlTest = GameTest;

TEST_F(PlayControlTest, SetPausedSwitchesAllThreeTimersAndRunning) {
  steps.SetPaused(false);
  EXPECT_TRUE(TimersOn());
  EXPECT_TRUE(game.State().running);
  EXPECT_EQ(game.State().state, GameState::Ready);  // resuming leaves the state alone
  steps.SetPaused(true);
  EXPECT_TRUE(TimersOff());
  EXPECT_FALSE(game.State().running);
  EXPECT_EQ(game.State().state, GameState::Paused);
}

TEST_F(PlayControlTest, StartNotesTheStartTimeAndRuns) {
  host.nowMs = kMsPerDay / 4;
  Give(MenuChoice{MenuCommand::Start});
  EXPECT_DOUBLE_EQ(game.State().startTime, 0.25);
  EXPECT_EQ(game.State().state, GameState::Running);
  EXPECT_TRUE(game.State().running);
  EXPECT_TRUE(TimersOn());
}

TEST_F(PlayControlTest, PowersChangeTheLabelAndTheTileSetButNotThePlayersCell) {
  Put(Position().Cell(10, 10, PoweredUp));
  steps.AddPowers(-1);
  EXPECT_EQ(game.State().powers, 0);
  EXPECT_EQ(Label(1), "Powers : 0");
  EXPECT_EQ(game.State().playerTiles, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ(At(10, 10), PoweredUp);
  steps.AddPowers(2);
  EXPECT_EQ(Label(1), "Powers : 2");
  EXPECT_EQ(game.State().playerTiles, (std::array<std::int32_t, 4>{34, 35, 36, 37}));
}

TEST_F(PlayControlTest, CheatAddsTenEachTime) {
  Give(MenuChoice{MenuCommand::Cheat});
  Give(MenuChoice{MenuCommand::Cheat});
  EXPECT_EQ(game.State().powers, 21);
  EXPECT_EQ(Label(1), "Powers : 21");
}

TEST_F(PlayControlTest, ClearBaddieQueuesLeavesTilesLabelsAndInterval) {
  steps.SpawnBaddie(5, 5, BaddieKind::VeryBad);
  steps.ClearBaddieQueues();
  EXPECT_EQ(game.State().badQueue.count(), 0);
  EXPECT_EQ(game.State().veryBadQueue.count(), 0);
  EXPECT_EQ(At(3, 12), Bad);
  EXPECT_EQ(At(5, 5), VeryBad);
  EXPECT_EQ(Timers()[GameTimer::BadStep].interval, 600);
  EXPECT_EQ(Label(5), "At large : 3");
}

TEST_F(PlayControlTest, BadStepIntervalFollowsTheNumberOfBadBaddies) {
  ClearBoard();
  std::vector<std::int32_t> intervals;
  for (int i = 0; i < 61; ++i) {
    steps.SpawnBaddie(1 + i % 20, 1 + i / 20, BaddieKind::Bad);
    if (i + 1 == 19 || i + 1 == 20 || i + 1 == 40 || i + 1 == 41 || i + 1 == 60 || i + 1 == 61) {
      intervals.push_back(Timers()[GameTimer::BadStep].interval);
    }
  }
  EXPECT_EQ(intervals, (std::vector<std::int32_t>{600, 300, 300, 200, 200, 100}));
  EXPECT_EQ(Label(6), "Ivl 100");
}

TEST_F(PlayControlTest, KillFrom41To40GivesThreeHundred) {
  ClearBoard();
  for (int i = 0; i < 41; ++i) {
    steps.SpawnBaddie(1 + i % 20, 1 + i / 20, BaddieKind::Bad);
  }
  ASSERT_EQ(Timers()[GameTimer::BadStep].interval, 200);
  PositionBuilder position = Position();
  const std::optional<Baddie> taken = position.TakeOldestBad();
  Put(position);
  ASSERT_TRUE(taken);
  steps.KillBaddie(taken->col, taken->row);
  EXPECT_EQ(Timers()[GameTimer::BadStep].interval, 300);
  EXPECT_EQ(Label(6), "Ivl 300");
}

TEST_F(PlayControlTest, VeryBadBaddiesDoNotSpeedUpTheBadStep) {
  ClearBoard();
  for (int i = 0; i < 30; ++i) {
    steps.SpawnBaddie(1 + i % 20, 1 + i / 20, i < 19 ? BaddieKind::Bad : BaddieKind::VeryBad);
  }
  EXPECT_EQ(Timers()[GameTimer::BadStep].interval, 600);
  EXPECT_EQ(Label(6), "Ivl 600");
  EXPECT_EQ(Label(5), "At large : 30");
}

TEST_F(PlayControlTest, MainTickDoesNothingWhileTheGuardIsHeld) {
  Put(Position().TickBusy(true).SlowTickDue(true));
  const std::uint32_t seed = game.State().random.randomSeed;
  Give(TimerTick{GameTimer::Main});
  Give(TimerTick{GameTimer::BadStep});
  EXPECT_TRUE(game.State().tickBusy);
  EXPECT_TRUE(game.State().slowTickDue);
  EXPECT_EQ(game.State().slowTicks, 0u);
  EXPECT_EQ(game.State().scanCol, 0);
  EXPECT_EQ(game.State().random.randomSeed, seed);
  EXPECT_EQ(BaddiesIn(game.State().badQueue),
            (std::vector<std::string>{"3 12 0 0 B 0 5 0", "16 5 0 0 B 0 0 0"}));
}

TEST_F(PlayControlTest, MainTickScansTwoCellsAndConsumesOneSlowTick) {
  host.nowMs = 3723000;  // 1 h 2 min 3 s after the start time 0
  Give(TimerTick{GameTimer::Slow});
  Give(TimerTick{GameTimer::Slow});
  EXPECT_TRUE(game.State().slowTickDue);
  Give(TimerTick{GameTimer::Main});
  EXPECT_FALSE(game.State().tickBusy);
  EXPECT_FALSE(game.State().slowTickDue);
  EXPECT_EQ(game.State().slowTicks, 1u);
  EXPECT_EQ(game.State().scanCol, 2);
  EXPECT_EQ(game.State().scanRow, 0);
  EXPECT_EQ(Label(2), "01:02:03");
  Give(TimerTick{GameTimer::Main});
  EXPECT_EQ(game.State().slowTicks, 1u);
  EXPECT_EQ(game.State().scanCol, 4);
}

TEST_F(PlayControlTest, ClockCountsFromTheLastStart) {
  Give(MenuChoice{MenuCommand::Pause});  // before the first key: paused, start time still 0
  EXPECT_EQ(game.State().state, GameState::Paused);
  Give(MenuChoice{MenuCommand::Pause});
  host.nowMs = 5000;
  Give(TimerTick{GameTimer::Slow});
  Give(TimerTick{GameTimer::Main});
  EXPECT_EQ(Label(2), "00:00:05");
  host.nowMs = 65000;
  steps.StartPlay();
  host.nowMs = 72000;
  Give(TimerTick{GameTimer::Slow});
  Give(TimerTick{GameTimer::Main});
  EXPECT_EQ(Label(2), "00:00:07");
}

TEST_F(PlayControlTest, BadStepMovesTheOldestBadBaddie) {
  Give(TimerTick{GameTimer::BadStep});
  EXPECT_FALSE(game.State().tickBusy);
  EXPECT_EQ(BaddiesIn(game.State().badQueue),
            (std::vector<std::string>{"16 5 0 0 B 0 0 0", "2 12 -1 0 B 1 5 0"}));
}

TEST_F(PlayControlTest, PauseMenuTogglesItsCaptionAndTheTimers) {
  steps.StartPlay();
  Give(MenuChoice{MenuCommand::Pause});
  EXPECT_EQ(session.Shown().pauseCaption, "&Resume");
  EXPECT_EQ(game.State().state, GameState::Paused);
  EXPECT_TRUE(TimersOff());
  Give(MenuChoice{MenuCommand::Pause});
  EXPECT_EQ(session.Shown().pauseCaption, "&Pause");
  EXPECT_TRUE(TimersOn());
  EXPECT_TRUE(game.State().running);
  EXPECT_EQ(game.State().state, GameState::Paused);  // only Start, Auto or a layout change it
}

TEST_F(PlayControlTest, AutoTakesThePlayerOffAndStartsPlay) {
  Give(MenuChoice{MenuCommand::Auto});
  EXPECT_EQ(At(10, 10), Blank);  // the trail is dirt, so blank is written
  EXPECT_EQ(game.State().playerCol, 0);
  EXPECT_EQ(game.State().playerRow, 0);
  EXPECT_EQ(game.State().state, GameState::Running);
  EXPECT_TRUE(TimersOn());
  Give(MenuChoice{MenuCommand::Auto});  // no player: the corner is written
  EXPECT_EQ(At(0, 0), Blank);
}

TEST_F(PlayControlTest, AutoWritesDirtWhenTheTrailIsNotDirt) {
  Put(Position().TrailTile(Blank));
  Give(MenuChoice{MenuCommand::Auto});
  EXPECT_EQ(At(10, 10), Dirt);
}

TEST_F(PlayControlTest, SecondChanceSpendsEveryPowerAndPlayGoesOn) {
  steps.AddPowers(2);
  steps.StartPlay();
  EXPECT_FALSE(steps.PlayerCaught());
  EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage));
  EXPECT_EQ(game.State().powers, 0);
  EXPECT_EQ(Label(1), "Powers : 0");
  EXPECT_TRUE(TimersOn());
  EXPECT_TRUE(game.State().running);
  EXPECT_EQ(game.State().state, GameState::Paused);
  EXPECT_EQ(game.State().playerCol, 10);
  EXPECT_EQ(game.State().playerRow, 10);
}

TEST_F(PlayControlTest, CaughtAgainInGameOverDoesNothing) {
  Put(Position().State(GameState::GameOver));
  EXPECT_FALSE(steps.PlayerCaught());
  EXPECT_EQ(Said(), "");
  EXPECT_EQ(game.State().powers, 1);
  EXPECT_EQ(game.State().state, GameState::GameOver);
}

TEST_F(PlayControlTest, GameOverYesStartsLevelOneAgainAndWaitsForAKey) {
  host.nowMs = 5000;
  Give(MenuChoice{MenuCommand::Skip});  // level 2: a different board
  PositionBuilder position = Position();
  const std::optional<Baddie> taken = position.TakeOldestBad();
  Put(position);
  ASSERT_TRUE(taken);
  steps.KillBaddie(taken->col, taken->row);
  steps.AddPowers(-1);
  steps.StartPlay();
  host.answers.push_back('Y');
  EXPECT_TRUE(steps.PlayerCaught());
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "Y"));
  EXPECT_EQ(game.State().level, 1);
  EXPECT_EQ(Label(3), "Level : 1");
  EXPECT_EQ(game.State().board.tiles, LevelOneTiles());
  EXPECT_EQ(BaddiesIn(game.State().badQueue),
            (std::vector<std::string>{"3 12 0 0 B 0 5 0", "16 5 0 0 B 0 0 0"}));
  EXPECT_EQ(game.State().state, GameState::Ready);
  EXPECT_FALSE(game.State().running);
  EXPECT_TRUE(TimersOff());
  EXPECT_EQ(game.State().powers, 1);
  EXPECT_EQ(Label(1), "Powers : 1");
  EXPECT_EQ(game.State().kills, 1);
  EXPECT_EQ(Label(4), "Kills : 1");
}

TEST_F(PlayControlTest, GameOverNoClosesTheWindow) {
  steps.AddPowers(-1);
  host.answers.push_back('N');
  EXPECT_TRUE(steps.PlayerCaught());
  EXPECT_EQ(Said().rfind(ConfirmLine(kGameOverQuestion, "N"), 0), 0u);
  EXPECT_TRUE(host.closed);
  EXPECT_EQ(game.State().state, GameState::GameOver);
}

TEST_F(PlayControlTest, GameOverCancelTakesThePlayerOffAndPlaysOn) {
  steps.AddPowers(-1);
  steps.StartPlay();
  EXPECT_TRUE(steps.PlayerCaught());  // no answer queued: Cancel
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "C"));
  EXPECT_EQ(At(10, 10), Dirt);
  EXPECT_EQ(game.State().playerCol, 0);
  EXPECT_EQ(game.State().playerRow, 0);
  EXPECT_EQ(game.State().state, GameState::GameOver);
  EXPECT_TRUE(TimersOn());
  Give(KeyPress{kKeyUp});  // no player: arrows do nothing
  EXPECT_EQ(game.State().board.tiles[10][9], LevelOneTiles()[10][9]);
}

TEST_F(PlayControlTest, GameOverWithNoAnswerDoesNothingFurther) {
  steps.AddPowers(-1);
  host.answers.push_back(' ');
  EXPECT_TRUE(steps.PlayerCaught());
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "none"));
  EXPECT_EQ(game.State().state, GameState::GameOver);
  EXPECT_EQ(game.State().playerCol, 10);
  EXPECT_EQ(At(10, 10), PlayerUp);
  EXPECT_FALSE(host.closed);
}

TEST_F(PlayControlTest, SmashStepClearsSmashingBeforeTheHatchStepOfTheSameTick) {
  ClearBoard();
  Fill(5, 5, {{0, 0}}, Hatch0NW);
  Fill(5, 5, {{1, 0}}, Hatch0NE);
  Fill(5, 5, {{1, 1}}, Hatch0SE);
  Fill(5, 5, {{0, 1}}, Hatch0SW);
  Put(Position().SlowTicks(5));
  steps.QueueHatch(5, 5, 0);
  Put(Position().Smashing(true));  // a B press on blank floor: nothing in the smash queue
  Give(TimerTick{GameTimer::Slow});
  Give(TimerTick{GameTimer::Main});
  EXPECT_FALSE(game.State().smashing);
  EXPECT_EQ(At(5, 5), Hatch1NW);
  EXPECT_EQ(BricksIn(game.State().hatchQueue), (std::vector<std::string>{"5 5 5"}));
  EXPECT_EQ(game.State().slowTicks, 6u);
}

}  // namespace
}  // namespace stonewick::testing
