// The five starting boards and the road from one level to the next: what each layout
// writes, what it leaves alone, and what Skip does in each state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

namespace stonewick::testing {
namespace {

using LayoutsTest = GameTest;

// The brick field of levels 1 and 2 laid out again from a seed, apart from the game.
struct BrickField {
  Board::Layer tiles{};
  std::vector<std::string> baddies;
  std::uint32_t seedAfter = 0;
};

BrickField ExpectedBrickField(std::uint32_t seed) {
  BrickField f;
  Draws draws{seed};
  auto& t = f.tiles;
  for (int c = 0; c < 22; ++c) {
    for (int r = 0; r < 22; ++r) {
      if (c == 0 || r == 0 || c == 21 || r == 21) {
        t[c][r] = Border;
      } else {
        t[c][r] = draws.Between(0, 1) == 0 ? SoftBrick : Blank;
      }
    }
  }
  for (int c = 1; c <= 19; ++c) {
    for (int r = 1; r <= 19; ++r) {
      if (t[c][r] == SoftBrick && t[c + 1][r] == SoftBrick && t[c][r + 1] == SoftBrick &&
          t[c + 1][r + 1] == SoftBrick) {
        t[c][r] = Blank;
      }
    }
  }
  t[10][10] = PlayerUp;
  for (;;) {
    const int c = draws.Between(2, 19);
    const int r = draws.Between(2, 19);
    if (t[c][r] == SoftBrick) {
      t[c][r] = HardBrick;
      break;
    }
  }
  for (int i = 0; i < 2; ++i) {
    const int c = draws.Between(2, 19);
    const int r = draws.Between(2, 19);
    f.baddies.push_back(Describe(MakeBaddie(c, r, 0, 0, BaddieKind::Bad, t[c][r])));
    t[c][r] = Bad;
  }
  f.seedAfter = draws.seed;
  return f;
}

TEST_F(LayoutsTest, LevelOneIsTheSameBoardInEveryGame) {
  EXPECT_EQ(game.State().board.tiles, LevelOneTiles());
  EXPECT_EQ(game.State().board.marks, Board::Layer{});
}

TEST_F(LayoutsTest, LevelOneHas166SoftBricksAndItsHardBrickAt16_17) {
  EXPECT_EQ(CountTiles(SoftBrick), 166);
  EXPECT_EQ(CountTiles(HardBrick), 1);
  EXPECT_EQ(At(16, 17), HardBrick);
}

TEST_F(LayoutsTest, LevelOneBaddiesStandAt3_12OnSoftBrickAnd16_5OnBlank) {
  EXPECT_EQ(BaddiesIn(game.State().badQueue),
            (std::vector<std::string>{"3 12 0 0 B 0 5 0", "16 5 0 0 B 0 0 0"}));
  EXPECT_EQ(game.State().veryBadQueue.count(), 0);
  EXPECT_EQ(At(3, 12), Bad);
  EXPECT_EQ(At(16, 5), Bad);
}

TEST_F(LayoutsTest, LevelOneHasABorderRingAndNoSquareOfSoftBricks) {
  for (int c = 0; c < 22; ++c) {
    for (int r = 0; r < 22; ++r) {
      const bool ring = c == 0 || r == 0 || c == 21 || r == 21;
      EXPECT_EQ(At(c, r) == Border, ring) << c << "," << r;
      if (c < 21 && r < 21) {
        EXPECT_FALSE(At(c, r) == SoftBrick && At(c + 1, r) == SoftBrick &&
                     At(c, r + 1) == SoftBrick && At(c + 1, r + 1) == SoftBrick)
            << c << "," << r;
      }
    }
  }
}

TEST_F(LayoutsTest, LevelOneStartsReadyWithOnePowerAndThePlainPlayerTile) {
  EXPECT_EQ(game.State().level, 1);
  EXPECT_EQ(game.State().state, GameState::Ready);
  EXPECT_FALSE(game.State().running);
  EXPECT_TRUE(TimersOff());
  EXPECT_EQ(game.State().playerCol, 10);
  EXPECT_EQ(game.State().playerRow, 10);
  EXPECT_EQ(At(10, 10), PlayerUp);
  EXPECT_EQ(game.State().trailTile, Dirt);
  EXPECT_EQ(game.State().powers, 1);
  EXPECT_EQ(game.State().playerTiles, (std::array<std::int32_t, 4>{34, 35, 36, 37}));
  EXPECT_EQ(Label(1), "Powers : 1");
  EXPECT_EQ(Label(3), "Level : 1");
  EXPECT_EQ(Label(5), "At large : 2");
  EXPECT_EQ(Label(6), "Ivl 600");
  EXPECT_EQ(Timers()[GameTimer::BadStep].interval, 600);
  EXPECT_EQ(Said(), "");
}

TEST_F(LayoutsTest, LevelOneLeavesTheGeneratorAfter418Draws) {
  Draws draws{0};
  for (int i = 0; i < 418; ++i) {  // 400 coin flips, 7 pairs for the hard brick, 2 pairs
    draws.Below(2);
  }
  EXPECT_EQ(game.State().random.randomSeed, draws.seed);
  EXPECT_EQ(game.State().random.randomSeed, 932783974u);
}

TEST_F(LayoutsTest, LevelOneIndependentReplicaAgrees) {
  const BrickField expected = ExpectedBrickField(0);
  EXPECT_EQ(expected.tiles, LevelOneTiles());
  EXPECT_EQ(BaddiesIn(game.State().badQueue), expected.baddies);
}

TEST_F(LayoutsTest, LevelTwoIsSeededFromTheClock) {
  host.nowMs = 5000;
  Give(MenuChoice{MenuCommand::Skip});
  const BrickField expected = ExpectedBrickField(5000);
  EXPECT_EQ(game.State().level, 2);
  EXPECT_EQ(Label(3), "Level : 2");
  EXPECT_EQ(game.State().board.tiles, expected.tiles);
  EXPECT_EQ(BaddiesIn(game.State().badQueue), expected.baddies);
  EXPECT_EQ(game.State().random.randomSeed, expected.seedAfter);
  EXPECT_EQ(game.State().trailTile, Dirt);
  EXPECT_EQ(game.State().state, GameState::Ready);  // Skip outside LevelCleared keeps the state
  EXPECT_TRUE(TimersOff());
}

TEST_F(LayoutsTest, BrickFieldSetsPowersToOneWhateverTheyWere) {
  Give(MenuChoice{MenuCommand::Cheat});
  ASSERT_EQ(game.State().powers, 11);
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(game.State().powers, 1);
  EXPECT_EQ(Label(1), "Powers : 1");
  EXPECT_EQ(At(10, 10), PlayerUp);
}

TEST_F(LayoutsTest, LevelThreeIsDirtWithOneHardBrickAndFourCornerBaddies) {
  Give(MenuChoice{MenuCommand::Skip});
  Put(Position().TrailTile(Remains));  // level 3 sets its own trail
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(game.State().level, 3);
  EXPECT_EQ(Label(3), "Level : 3");
  EXPECT_EQ(game.State().trailTile, Blank);
  EXPECT_EQ(game.State().random.randomSeed, 2u);
  EXPECT_EQ(BaddiesIn(game.State().badQueue),
            (std::vector<std::string>{"1 20 0 0 B 0 14 0", "20 1 0 0 B 0 14 0", "1 1 0 0 B 0 14 0",
                                      "20 20 0 0 B 0 14 0"}));
  EXPECT_EQ(game.State().playerCol, 15);
  EXPECT_EQ(game.State().playerRow, 15);
  EXPECT_EQ(At(15, 15), PoweredRight);  // the Power of level 2 is carried over
  EXPECT_EQ(At(11, 11), HardBrick);
  EXPECT_EQ(CountTiles(Dirt), 400 - 6);
  EXPECT_EQ(CountTiles(Border), 84);
  EXPECT_EQ(game.State().board.marks, Board::Layer{});
  EXPECT_EQ(Label(5), "At large : 4");
  EXPECT_EQ(Label(6), "Ivl 600");
}

TEST_F(LayoutsTest, LevelThreeShowsThePlainPlayerWithoutPowers) {
  Give(MenuChoice{MenuCommand::Skip});
  steps.AddPowers(-1);
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(game.State().powers, 0);
  EXPECT_EQ(At(15, 15), PlayerRight);
}

TEST_F(LayoutsTest, LevelFourRingsThePlayerWith76Baddies) {
  for (int i = 0; i < 3; ++i) {
    Give(MenuChoice{MenuCommand::Skip});
  }
  EXPECT_EQ(game.State().level, 4);
  EXPECT_EQ(game.State().trailTile, Blank);  // kept from level 3
  EXPECT_EQ(game.State().random.randomSeed, 2u);
  const std::vector<std::string> baddies = BaddiesIn(game.State().badQueue);
  ASSERT_EQ(baddies.size(), 76u);
  EXPECT_EQ(baddies[0], "2 1 0 0 B 0 14 0");
  EXPECT_EQ(baddies[18], "20 1 0 0 B 0 14 0");
  EXPECT_EQ(baddies[19], "20 2 0 0 B 0 14 0");
  EXPECT_EQ(baddies[37], "20 20 0 0 B 0 14 0");
  EXPECT_EQ(baddies[38], "19 20 0 0 B 0 14 0");
  EXPECT_EQ(baddies[56], "1 20 0 0 B 0 14 0");
  EXPECT_EQ(baddies[57], "1 19 0 0 B 0 14 0");
  EXPECT_EQ(baddies[75], "1 1 0 0 B 0 14 0");
  EXPECT_EQ(CountTiles(Bad), 76);
  EXPECT_EQ(At(10, 10), PoweredRight);
  EXPECT_EQ(game.State().playerCol, 10);
  EXPECT_EQ(game.State().playerRow, 10);
  EXPECT_EQ(At(11, 11), Dirt);
  EXPECT_EQ(CountTiles(Dirt), 400 - 76 - 1);
  EXPECT_EQ(Timers()[GameTimer::BadStep].interval, 100);
  EXPECT_EQ(Label(6), "Ivl 100");
  EXPECT_EQ(Label(5), "At large : 76");
}

TEST_F(LayoutsTest, LevelFiveFillsTheTopHalfWith100Baddies) {
  for (int i = 0; i < 4; ++i) {
    Give(MenuChoice{MenuCommand::Skip});
  }
  EXPECT_EQ(game.State().level, 5);
  EXPECT_EQ(game.State().trailTile, Dirt);
  EXPECT_EQ(game.State().random.randomSeed, 2u);
  std::vector<std::string> expected;
  for (int r = 1; r <= 10; ++r) {
    for (int c = 1; c <= 20; ++c) {
      if ((c + r) % 2 == 1) {
        expected.push_back(Describe(MakeBaddie(c, r, 0, 0, BaddieKind::Bad, Dirt)));
      }
    }
  }
  EXPECT_EQ(BaddiesIn(game.State().badQueue), expected);
  EXPECT_EQ(expected.back(), "19 10 0 0 B 0 14 0");
  for (int r = 1; r <= 20; ++r) {
    for (int c = 1; c <= 20; ++c) {
      std::int32_t want = Blank;
      if (r <= 10 && !(r == 10 && c == 20)) {
        want = (c + r) % 2 == 1 ? Bad : Dirt;
      }
      if (c == 15 && r == 15) {
        want = PoweredRight;
      }
      EXPECT_EQ(At(c, r), want) << c << "," << r;
    }
  }
  EXPECT_EQ(game.State().playerCol, 15);
  EXPECT_EQ(game.State().playerRow, 15);
  EXPECT_EQ(Label(5), "At large : 100");
}

TEST_F(LayoutsTest, SkipPastLevelFiveOnlySaysSo) {
  for (int i = 0; i < 4; ++i) {
    Give(MenuChoice{MenuCommand::Skip});
  }
  const Board::Layer before = game.State().board.tiles;
  Forget();
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(Said(), InfoLine("Sorry, there are no more levels, you win! "));
  EXPECT_EQ(game.State().level, 6);
  EXPECT_EQ(Label(3), "Level : 6");
  EXPECT_EQ(game.State().board.tiles, before);
  EXPECT_EQ(game.State().badQueue.count(), 0);
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(Label(3), "Level : 7");
}

TEST_F(LayoutsTest, SkipFromLevelClearedGoesToReadyWithTheTimersRunning) {
  steps.SetPaused(true);
  Put(Position().State(GameState::LevelCleared));
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(game.State().state, GameState::Ready);
  EXPECT_TRUE(game.State().running);
  EXPECT_TRUE(TimersOn());
}

TEST_F(LayoutsTest, SkipWhileRunningPlaysStraightOn) {
  steps.StartPlay();
  Give(MenuChoice{MenuCommand::Skip});
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(game.State().level, 3);
  EXPECT_EQ(game.State().state, GameState::Running);
  EXPECT_TRUE(TimersOn());
}

TEST_F(LayoutsTest, SkipInGameOverKeepsGameOver) {
  Put(Position().State(GameState::GameOver));
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(game.State().state, GameState::GameOver);
  EXPECT_EQ(game.State().playerCol, 10);
  EXPECT_EQ(game.State().playerRow, 10);
}

TEST_F(LayoutsTest, SkipLeavesWorkQueuesAndCountersAlone) {
  steps.QueueHardening(4, 4);
  steps.QueueHatch(5, 5, 0);
  Put(Position().Cell(6, 6, NestNE));
  steps.QueueSmash(6, 6);
  steps.SpawnBaddie(7, 7, BaddieKind::VeryBad);
  Put(Position().Kills(3).NextTrailId(4).SlowTicks(9).ScanCol(2).ScanRow(3).Smashing(true));
  Give(MenuChoice{MenuCommand::Skip});
  EXPECT_EQ(BricksIn(game.State().hardenQueue), (std::vector<std::string>{"4 4 0"}));
  EXPECT_EQ(BricksIn(game.State().hatchQueue), (std::vector<std::string>{"5 5 0"}));
  EXPECT_EQ(BricksIn(game.State().smashQueue), (std::vector<std::string>{"6 6 0"}));
  EXPECT_EQ(game.State().veryBadQueue.count(), 0);  // the baddie queues are emptied
  EXPECT_EQ(game.State().badQueue.count(), 2);
  EXPECT_EQ(game.State().kills, 3);
  EXPECT_EQ(game.State().nextTrailId, 4);
  EXPECT_EQ(game.State().slowTicks, 9u);
  EXPECT_EQ(game.State().scanCol, 2);
  EXPECT_EQ(game.State().scanRow, 3);
  EXPECT_TRUE(game.State().smashing);
}

}  // namespace
}  // namespace stonewick::testing
