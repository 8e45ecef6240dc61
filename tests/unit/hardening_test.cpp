// Paced board work: yellow bricks turning red one per tick from a wall, and a smashed nest
// coming apart one quarter per tick, with the animation every smashed cell goes through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

namespace stonewick::testing {
namespace {

class HardeningTest : public GameTest {
 protected:
  HardeningTest() { ClearBoard(); }
  void PutNest(int col, int row) {
    Fill(col, row, {{0, 0}}, NestNW);
    Fill(col, row, {{1, 0}}, NestNE);
    Fill(col, row, {{1, 1}}, NestSE);
    Fill(col, row, {{0, 1}}, NestSW);
  }
};

TEST_F(HardeningTest, SoftNeighboursAreQueuedEastWestSouthNorth) {
  Fill(10, 10, {{0, 0}}, HardBrick);
  Fill(10, 10, {{0, -1}, {0, 1}, {-1, 0}, {1, 0}}, SoftBrick);
  Put(Position().SlowTicks(3));
  steps.QueueSoftNeighbours(10, 10);
  EXPECT_EQ(BricksIn(game.State().hardenQueue),
            (std::vector<std::string>{"11 10 3", "9 10 3", "10 11 3", "10 9 3"}));
}

TEST_F(HardeningTest, OneQueuedBrickHardensPerStepInQueueOrder) {
  Fill(10, 10, {{0, 0}}, HardBrick);
  Fill(10, 10, {{0, -1}, {0, 1}, {-1, 0}, {1, 0}}, SoftBrick);
  steps.QueueSoftNeighbours(10, 10);
  const std::vector<std::array<int, 2>> order = {{11, 10}, {9, 10}, {10, 11}, {10, 9}};
  for (std::size_t step = 0; step < order.size(); ++step) {
    steps.HardeningStep();
    for (std::size_t i = 0; i < order.size(); ++i) {
      EXPECT_EQ(At(order[i][0], order[i][1]), i <= step ? HardBrick : SoftBrick)
          << "step " << step << " brick " << i;
    }
  }
  EXPECT_EQ(game.State().hardenQueue.count(), 0);
}

TEST_F(HardeningTest, PushedBrickAgainstAWallHardensAndTheLineFollowsOnePerTick) {
  PlacePlayer(2, 10, PlayerRight);
  steps.StartPlay();
  Fill(3, 10, {{0, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}}, SoftBrick);
  Fill(5, 10, {{0, 0}}, HardBrick);
  Give(KeyPress{kKeySpace});  // the soft brick slides to (4, 10)
  ASSERT_EQ(At(4, 10), SoftBrick);
  for (int tick = 0; tick < 6; ++tick) {
    Give(TimerTick{GameTimer::Main});
    for (int r = 10; r <= 15; ++r) {
      EXPECT_EQ(At(4, r), r - 10 <= tick ? HardBrick : SoftBrick) << "tick " << tick;
    }
  }
}

TEST_F(HardeningTest, RecordOfAVanishedBrickIsDroppedButCostsItsStep) {
  Fill(10, 10, {{0, 0}, {2, 0}}, SoftBrick);
  steps.QueueHardening(10, 10);
  steps.QueueHardening(12, 10);
  Put(Position().Cell(10, 10, Blank));
  steps.HardeningStep();
  EXPECT_EQ(At(10, 10), Blank);
  EXPECT_EQ(At(12, 10), SoftBrick);
  EXPECT_EQ(BricksIn(game.State().hardenQueue), (std::vector<std::string>{"12 10 0"}));
  steps.HardeningStep();
  EXPECT_EQ(At(12, 10), HardBrick);
}

TEST_F(HardeningTest, BrickQueuedTwiceHardensOnceAndItsSecondRecordUsesAStep) {
  Fill(10, 10, {{0, 0}, {3, 0}}, SoftBrick);
  steps.QueueHardening(10, 10);
  steps.QueueHardening(10, 10);
  steps.QueueHardening(13, 10);
  steps.HardeningStep();
  EXPECT_EQ(At(10, 10), HardBrick);
  steps.HardeningStep();
  EXPECT_EQ(At(13, 10), SoftBrick);
  steps.HardeningStep();
  EXPECT_EQ(At(13, 10), HardBrick);
}

TEST_F(HardeningTest, BaddieStandingOnASoftBrickKeepsItSoft) {
  Fill(10, 10, {{0, 0}}, SoftBrick);
  steps.SpawnBaddie(10, 10, BaddieKind::Bad);
  steps.QueueHardening(10, 10);
  steps.HardeningStep();
  EXPECT_EQ(At(10, 10), Bad);
  EXPECT_EQ(game.State().hardenQueue.count(), 0);
}

TEST_F(HardeningTest, HardeningQueuesWhateverIsQueuedWithoutLooking) {
  steps.QueueHardening(0, 0);
  steps.QueueHardening(10, 10);
  EXPECT_EQ(BricksIn(game.State().hardenQueue), (std::vector<std::string>{"0 0 0", "10 10 0"}));
  steps.HardeningStep();
  steps.HardeningStep();
  steps.HardeningStep();  // nothing left: nothing happens
  EXPECT_EQ(At(0, 0), Border);
  EXPECT_EQ(At(10, 10), Blank);
}

TEST_F(HardeningTest, LoneNestHitAtItsNorthWestTakesSixSmashSteps) {
  PutNest(10, 10);
  steps.AddPowers(1);
  steps.SmashAt(10, 10);
  EXPECT_TRUE(game.State().smashing);
  EXPECT_EQ(BricksIn(game.State().smashQueue), (std::vector<std::string>{"10 10 0"}));

  steps.SmashStep();
  EXPECT_EQ(At(10, 10), Blank);
  EXPECT_EQ(BricksIn(game.State().smashQueue), (std::vector<std::string>{"11 10 0", "10 11 0"}));
  steps.SmashStep();
  EXPECT_EQ(At(11, 10), Blank);
  EXPECT_EQ(BricksIn(game.State().smashQueue), (std::vector<std::string>{"10 11 0", "11 11 0"}));
  steps.SmashStep();
  EXPECT_EQ(At(10, 11), Blank);
  EXPECT_EQ(BricksIn(game.State().smashQueue), (std::vector<std::string>{"11 11 0", "11 11 0"}));
  steps.SmashStep();
  EXPECT_EQ(At(11, 11), Blank);
  EXPECT_EQ(BricksIn(game.State().smashQueue), (std::vector<std::string>{"11 11 0"}));
  steps.SmashStep();
  EXPECT_EQ(game.State().smashQueue.count(), 0);
  EXPECT_TRUE(game.State().smashing);
  steps.SmashStep();
  EXPECT_FALSE(game.State().smashing);
}

TEST_F(HardeningTest, SmashSpreadsIntoATouchingNestAndStopsAtACoveredQuarter) {
  PutNest(5, 5);
  PutNest(7, 5);
  Fill(8, 6, {{0, 0}}, BaddieOnTop);
  Fill(5, 7, {{0, 0}}, HardBrick);
  steps.AddPowers(1);
  steps.SmashAt(6, 6);
  for (int i = 0; i < 20 && game.State().smashing; ++i) {
    steps.SmashStep();
  }
  EXPECT_FALSE(game.State().smashing);
  for (int c = 5; c <= 8; ++c) {
    for (int r = 5; r <= 6; ++r) {
      EXPECT_EQ(At(c, r), c == 8 && r == 6 ? BaddieOnTop : Blank) << c << "," << r;
    }
  }
  EXPECT_EQ(At(5, 7), HardBrick);
}

TEST_F(HardeningTest, SmashAnimationShowsEveryCodeButNestNorthWestThenBlank) {
  Fill(3, 3, {{0, 0}}, SoftBrick);
  Forget();
  steps.SmashAnimation(3, 3);
  std::vector<std::int32_t> expected;
  for (std::int32_t code = 1; code <= 37; ++code) {
    if (code != NestNW) {
      expected.push_back(code);
    }
  }
  expected.push_back(Blank);
  EXPECT_EQ(host.DrawnAt(3, 3), expected);
  EXPECT_EQ(host.drawn.size(), expected.size());
  EXPECT_EQ(host.pauses, std::vector<std::int32_t>(36, 10));
  EXPECT_EQ(At(3, 3), Blank);
}

TEST_F(HardeningTest, OnlyNestPartsOfAnyStageAreQueuedForSmashing) {
  int queued = 0;
  for (std::int32_t code = 0; code < kCellCodeCount; ++code) {
    Put(Position().Cell(4, 4, code));
    const int before = game.State().smashQueue.count();
    steps.QueueSmash(4, 4);
    const bool nest =
        (code >= 9 && code <= 12) || (code >= 15 && code <= 26) || (code >= 28 && code <= 31);
    EXPECT_EQ(game.State().smashQueue.count() - before, nest ? 1 : 0) << code;
    queued += game.State().smashQueue.count() - before;
  }
  EXPECT_EQ(queued, 20);
}

TEST_F(HardeningTest, SmashRecordWhoseNestIsGoneIsDropped) {
  PutNest(10, 10);
  steps.QueueSmash(10, 10);
  Put(Position().Cell(10, 10, HardBrick));
  steps.SmashStep();
  EXPECT_EQ(At(10, 10), HardBrick);
  EXPECT_EQ(At(11, 10), NestNE);
  EXPECT_EQ(game.State().smashQueue.count(), 0);
}

TEST_F(HardeningTest, EmptySmashQueueClearsSmashing) {
  Put(Position().Smashing(true));
  steps.SmashStep();
  EXPECT_FALSE(game.State().smashing);
}

}  // namespace
}  // namespace stonewick::testing
