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
  game.SetPaused(false);
  EXPECT_TRUE(TimersOn());
  EXPECT_TRUE(game.running);
  EXPECT_EQ(game.state, GameState::Ready);  // resuming leaves the state alone
  game.SetPaused(true);
  EXPECT_TRUE(TimersOff());
  EXPECT_FALSE(game.running);
  EXPECT_EQ(game.state, GameState::Paused);
}

TEST_F(PlayControlTest, StartNotesTheStartTimeAndRuns) {
  host.nowMs = kMsPerDay / 4;
  game.StartCommand();
  EXPECT_DOUBLE_EQ(game.startTime, 0.25);
  EXPECT_EQ(game.state, GameState::Running);
  EXPECT_TRUE(game.running);
  EXPECT_TRUE(TimersOn());
}

TEST_F(PlayControlTest, PowersChangeTheLabelAndTheTileSetButNotThePlayersCell) {
  game.board.tiles[10][10] = PoweredUp;
  game.AddPowers(-1);
  EXPECT_EQ(game.powers, 0);
  EXPECT_EQ(Label(1), "Powers : 0");
  EXPECT_EQ(game.playerTiles, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ(At(10, 10), PoweredUp);
  game.AddPowers(2);
  EXPECT_EQ(Label(1), "Powers : 2");
  EXPECT_EQ(game.playerTiles, (std::array<std::int32_t, 4>{34, 35, 36, 37}));
}

TEST_F(PlayControlTest, CheatAddsTenEachTime) {
  game.CheatCommand();
  game.CheatCommand();
  EXPECT_EQ(game.powers, 21);
  EXPECT_EQ(Label(1), "Powers : 21");
}

TEST_F(PlayControlTest, ClearBaddieQueuesLeavesTilesLabelsAndInterval) {
  game.SpawnBaddie(5, 5, BaddieKind::VeryBad);
  game.ClearBaddieQueues();
  EXPECT_EQ(game.badQueue.count(), 0);
  EXPECT_EQ(game.veryBadQueue.count(), 0);
  EXPECT_EQ(At(3, 12), Bad);
  EXPECT_EQ(At(5, 5), VeryBad);
  EXPECT_EQ(host.timers[GameTimer::BadStep].interval, 600);
  EXPECT_EQ(Label(5), "At large : 3");
}

TEST_F(PlayControlTest, BadStepIntervalFollowsTheNumberOfBadBaddies) {
  ClearBoard();
  std::vector<std::int32_t> intervals;
  for (int i = 0; i < 61; ++i) {
    game.SpawnBaddie(1 + i % 20, 1 + i / 20, BaddieKind::Bad);
    if (i + 1 == 19 || i + 1 == 20 || i + 1 == 40 || i + 1 == 41 || i + 1 == 60 || i + 1 == 61) {
      intervals.push_back(host.timers[GameTimer::BadStep].interval);
    }
  }
  EXPECT_EQ(intervals, (std::vector<std::int32_t>{600, 300, 300, 200, 200, 100}));
  EXPECT_EQ(Label(6), "Ivl 100");
}

TEST_F(PlayControlTest, KillFrom41To40GivesThreeHundred) {
  ClearBoard();
  for (int i = 0; i < 41; ++i) {
    game.SpawnBaddie(1 + i % 20, 1 + i / 20, BaddieKind::Bad);
  }
  ASSERT_EQ(host.timers[GameTimer::BadStep].interval, 200);
  const std::optional<Baddie> taken = game.badQueue.Take();
  ASSERT_TRUE(taken);
  game.KillBaddie(taken->col, taken->row);
  EXPECT_EQ(host.timers[GameTimer::BadStep].interval, 300);
  EXPECT_EQ(Label(6), "Ivl 300");
}

TEST_F(PlayControlTest, VeryBadBaddiesDoNotSpeedUpTheBadStep) {
  ClearBoard();
  for (int i = 0; i < 30; ++i) {
    game.SpawnBaddie(1 + i % 20, 1 + i / 20, i < 19 ? BaddieKind::Bad : BaddieKind::VeryBad);
  }
  EXPECT_EQ(host.timers[GameTimer::BadStep].interval, 600);
  EXPECT_EQ(Label(6), "Ivl 600");
  EXPECT_EQ(Label(5), "At large : 30");
}

TEST_F(PlayControlTest, MainTickDoesNothingWhileTheGuardIsHeld) {
  game.tickBusy = true;
  game.slowTickDue = true;
  const std::uint32_t seed = game.random.randomSeed;
  game.MainTick();
  game.BadStepTick();
  EXPECT_TRUE(game.tickBusy);
  EXPECT_TRUE(game.slowTickDue);
  EXPECT_EQ(game.slowTicks, 0u);
  EXPECT_EQ(game.scanCol, 0);
  EXPECT_EQ(game.random.randomSeed, seed);
  EXPECT_EQ(BaddiesIn(game.badQueue),
            (std::vector<std::string>{"3 12 0 0 B 0 5 0", "16 5 0 0 B 0 0 0"}));
}

TEST_F(PlayControlTest, MainTickScansTwoCellsAndConsumesOneSlowTick) {
  host.nowMs = 3723000;  // 1 h 2 min 3 s after the start time 0
  game.MarkSlowTickDue();
  game.MarkSlowTickDue();
  EXPECT_TRUE(game.slowTickDue);
  game.MainTick();
  EXPECT_FALSE(game.tickBusy);
  EXPECT_FALSE(game.slowTickDue);
  EXPECT_EQ(game.slowTicks, 1u);
  EXPECT_EQ(game.scanCol, 2);
  EXPECT_EQ(game.scanRow, 0);
  EXPECT_EQ(Label(2), "01:02:03");
  game.MainTick();
  EXPECT_EQ(game.slowTicks, 1u);
  EXPECT_EQ(game.scanCol, 4);
}

TEST_F(PlayControlTest, ClockCountsFromTheLastStart) {
  game.PauseCommand();  // before the first key: paused, start time still 0
  EXPECT_EQ(game.state, GameState::Paused);
  game.PauseCommand();
  host.nowMs = 5000;
  game.MarkSlowTickDue();
  game.MainTick();
  EXPECT_EQ(Label(2), "00:00:05");
  host.nowMs = 65000;
  game.StartPlay();
  host.nowMs = 72000;
  game.MarkSlowTickDue();
  game.MainTick();
  EXPECT_EQ(Label(2), "00:00:07");
}

TEST_F(PlayControlTest, BadStepMovesTheOldestBadBaddie) {
  game.BadStepTick();
  EXPECT_FALSE(game.tickBusy);
  EXPECT_EQ(BaddiesIn(game.badQueue),
            (std::vector<std::string>{"16 5 0 0 B 0 0 0", "2 12 -1 0 B 1 5 0"}));
}

TEST_F(PlayControlTest, PauseMenuTogglesItsCaptionAndTheTimers) {
  game.StartPlay();
  game.PauseCommand();
  EXPECT_EQ(host.pauseCaption, "&Resume");
  EXPECT_EQ(game.state, GameState::Paused);
  EXPECT_TRUE(TimersOff());
  game.PauseCommand();
  EXPECT_EQ(host.pauseCaption, "&Pause");
  EXPECT_TRUE(TimersOn());
  EXPECT_TRUE(game.running);
  EXPECT_EQ(game.state, GameState::Paused);  // only Start, Auto or a layout change it
}

TEST_F(PlayControlTest, AutoTakesThePlayerOffAndStartsPlay) {
  game.AutoCommand();
  EXPECT_EQ(At(10, 10), Blank);  // the trail is dirt, so blank is written
  EXPECT_EQ(game.playerCol, 0);
  EXPECT_EQ(game.playerRow, 0);
  EXPECT_EQ(game.state, GameState::Running);
  EXPECT_TRUE(TimersOn());
  game.AutoCommand();  // no player: the corner is written
  EXPECT_EQ(At(0, 0), Blank);
}

TEST_F(PlayControlTest, AutoWritesDirtWhenTheTrailIsNotDirt) {
  game.trailTile = Blank;
  game.AutoCommand();
  EXPECT_EQ(At(10, 10), Dirt);
}

TEST_F(PlayControlTest, SecondChanceSpendsEveryPowerAndPlayGoesOn) {
  game.AddPowers(2);
  game.StartPlay();
  EXPECT_FALSE(game.PlayerCaught());
  EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage));
  EXPECT_EQ(game.powers, 0);
  EXPECT_EQ(Label(1), "Powers : 0");
  EXPECT_TRUE(TimersOn());
  EXPECT_TRUE(game.running);
  EXPECT_EQ(game.state, GameState::Paused);
  EXPECT_EQ(game.playerCol, 10);
  EXPECT_EQ(game.playerRow, 10);
}

TEST_F(PlayControlTest, CaughtAgainInGameOverDoesNothing) {
  game.state = GameState::GameOver;
  EXPECT_FALSE(game.PlayerCaught());
  EXPECT_EQ(Said(), "");
  EXPECT_EQ(game.powers, 1);
  EXPECT_EQ(game.state, GameState::GameOver);
}

TEST_F(PlayControlTest, GameOverYesStartsLevelOneAgainAndWaitsForAKey) {
  host.nowMs = 5000;
  game.SkipCommand();  // level 2: a different board
  const std::optional<Baddie> taken = game.badQueue.Take();
  ASSERT_TRUE(taken);
  game.KillBaddie(taken->col, taken->row);
  game.AddPowers(-1);
  game.StartPlay();
  host.answers.push_back('Y');
  EXPECT_TRUE(game.PlayerCaught());
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "Y"));
  EXPECT_EQ(game.level, 1);
  EXPECT_EQ(Label(3), "Level : 1");
  EXPECT_EQ(game.board.tiles, LevelOneTiles());
  EXPECT_EQ(BaddiesIn(game.badQueue),
            (std::vector<std::string>{"3 12 0 0 B 0 5 0", "16 5 0 0 B 0 0 0"}));
  EXPECT_EQ(game.state, GameState::Ready);
  EXPECT_FALSE(game.running);
  EXPECT_TRUE(TimersOff());
  EXPECT_EQ(game.powers, 1);
  EXPECT_EQ(Label(1), "Powers : 1");
  EXPECT_EQ(game.kills, 1);
  EXPECT_EQ(Label(4), "Kills : 1");
}

TEST_F(PlayControlTest, GameOverNoClosesTheWindow) {
  game.AddPowers(-1);
  host.answers.push_back('N');
  EXPECT_TRUE(game.PlayerCaught());
  EXPECT_EQ(Said().rfind(ConfirmLine(kGameOverQuestion, "N"), 0), 0u);
  EXPECT_TRUE(host.closed);
  EXPECT_EQ(game.state, GameState::GameOver);
}

TEST_F(PlayControlTest, GameOverCancelTakesThePlayerOffAndPlaysOn) {
  game.AddPowers(-1);
  game.StartPlay();
  EXPECT_TRUE(game.PlayerCaught());  // no answer queued: Cancel
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "C"));
  EXPECT_EQ(At(10, 10), Dirt);
  EXPECT_EQ(game.playerCol, 0);
  EXPECT_EQ(game.playerRow, 0);
  EXPECT_EQ(game.state, GameState::GameOver);
  EXPECT_TRUE(TimersOn());
  game.KeyPressed(kKeyUp);  // no player: arrows do nothing
  EXPECT_EQ(game.board.tiles[10][9], LevelOneTiles()[10][9]);
}

TEST_F(PlayControlTest, GameOverWithNoAnswerDoesNothingFurther) {
  game.AddPowers(-1);
  host.answers.push_back(' ');
  EXPECT_TRUE(game.PlayerCaught());
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "none"));
  EXPECT_EQ(game.state, GameState::GameOver);
  EXPECT_EQ(game.playerCol, 10);
  EXPECT_EQ(At(10, 10), PlayerUp);
  EXPECT_FALSE(host.closed);
}

TEST_F(PlayControlTest, SmashStepClearsSmashingBeforeTheHatchStepOfTheSameTick) {
  ClearBoard();
  Fill(5, 5, {{0, 0}}, Hatch0NW);
  Fill(5, 5, {{1, 0}}, Hatch0NE);
  Fill(5, 5, {{1, 1}}, Hatch0SE);
  Fill(5, 5, {{0, 1}}, Hatch0SW);
  game.slowTicks = 5;
  game.QueueHatch(5, 5, 0);
  game.smashing = true;  // a B press on blank floor: nothing in the smash queue
  game.MarkSlowTickDue();
  game.MainTick();
  EXPECT_FALSE(game.smashing);
  EXPECT_EQ(At(5, 5), Hatch1NW);
  EXPECT_EQ(BricksIn(game.hatchQueue), (std::vector<std::string>{"5 5 5"}));
  EXPECT_EQ(game.slowTicks, 6u);
}

}  // namespace
}  // namespace stonewick::testing
