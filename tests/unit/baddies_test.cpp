// Baddies: spawning, the bad baddie's walk and death, the very bad baddie's crawl over
// walls, the cells they leave behind, catching the player, and the draws each move makes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

namespace stonewick::testing {
namespace {

class BaddiesTest : public GameTest {
 protected:
  BaddiesTest() {
    ClearBoard();
    Put(Position().Kills(0));
  }
  void Seed(std::uint32_t seed) { Put(Position().Seed(seed)); }
  // The seed after `steps` more draws from `seed`.
  static std::uint32_t After(std::uint32_t seed, int steps) {
    Draws d{seed};
    for (int i = 0; i < steps; ++i) {
      d.Below(1);
    }
    return d.seed;
  }
};

TEST_F(BaddiesTest, SpawnedBadBaddieStandsOnTheCellsCode) {
  Put(Position().NextTrailId(3));
  Fill(5, 5, {{0, 0}}, SoftBrick);
  steps.SpawnBaddie(5, 5, BaddieKind::Bad);
  EXPECT_EQ(At(5, 5), Bad);
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"5 5 0 0 B 0 5 3"}));
  EXPECT_EQ(game.State().nextTrailId, 3);
  EXPECT_EQ(Label(5), "At large : 1");
  EXPECT_EQ(Label(6), "Ivl 600");
}

TEST_F(BaddiesTest, SpawnedVeryBadBaddieStandsOnBlankWhateverTheCellHeld) {
  Put(Position().NextTrailId(3));
  Fill(5, 5, {{0, 0}}, HardBrick);
  steps.SpawnBaddie(5, 5, BaddieKind::VeryBad);
  EXPECT_EQ(At(5, 5), VeryBad);
  EXPECT_EQ(BaddiesIn(game.State().veryBadQueue), (std::vector<std::string>{"5 5 0 0 S 0 0 3"}));
  EXPECT_EQ(game.State().badQueue.count(), 0);
  EXPECT_EQ(Label(5), "At large : 1");
}

TEST_F(BaddiesTest, SecondBaddieOnTheSameCellStandsOnTheFirst) {
  steps.SpawnBaddie(5, 5, BaddieKind::Bad);
  steps.SpawnBaddie(5, 5, BaddieKind::Bad);
  EXPECT_EQ(BaddiesIn(game.State().badQueue),
            (std::vector<std::string>{"5 5 0 0 B 0 0 0", "5 5 0 0 B 0 7 0"}));
}

TEST_F(BaddiesTest, FreshBadBaddieNeverGoesStraightOn) {
  steps.SpawnBaddie(10, 10, BaddieKind::Bad);
  Seed(0);  // Percent 0, but straight on is its own cell; then the first of four: east
  steps.BadStep();
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"11 10 1 0 B 1 0 0"}));
  EXPECT_EQ(At(11, 10), Bad);
  EXPECT_EQ(At(10, 10), Dirt);
  EXPECT_EQ(game.State().random.randomSeed, After(0, 2));
}

TEST_F(BaddiesTest, ChoiceNumbersTheNeighboursEastWestSouthNorth) {
  steps.SpawnBaddie(10, 10, BaddieKind::Bad);
  Seed(24);  // Percent 76, then the fourth of four: north
  steps.BadStep();
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"10 9 0 -1 B 1 0 0"}));
  EXPECT_EQ(game.State().random.randomSeed, After(24, 2));
}

TEST_F(BaddiesTest, BadBaddieGoesStraightOnBelowSeventy) {
  QueueBad(MakeBaddie(10, 10, -1, 0, BaddieKind::Bad, Blank));
  Seed(22);  // Percent 69
  steps.BadStep();
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"9 10 -1 0 B 1 0 0"}));
  EXPECT_EQ(game.State().random.randomSeed, After(22, 1));
}

TEST_F(BaddiesTest, BadBaddieTurnsAtSeventyOrMore) {
  QueueBad(MakeBaddie(10, 10, -1, 0, BaddieKind::Bad, Blank));
  Seed(54);  // Percent 70: straight on is free but not taken
  Draws d{54};
  ASSERT_EQ(d.Percent(), 70);
  const int pick = d.Between(1, 4);
  const std::array<std::string, 4> dest = {"11 10 1 0", "9 10 -1 0", "10 11 0 1", "10 9 0 -1"};
  steps.BadStep();
  EXPECT_EQ(BaddiesIn(game.State().badQueue),
            (std::vector<std::string>{dest[pick - 1] + " B 1 0 0"}));
  EXPECT_EQ(game.State().random.randomSeed, d.seed);
}

TEST_F(BaddiesTest, BlockedStraightOnChoosesAmongTheFreeNeighboursInOrder) {
  QueueBad(MakeBaddie(10, 10, -1, 0, BaddieKind::Bad, Blank));
  Fill(10, 10, {{-1, 0}}, HardBrick);
  Seed(1);  // Percent 3, then the third of east, south, north
  steps.BadStep();
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"10 9 0 -1 B 1 0 0"}));
  EXPECT_EQ(game.State().random.randomSeed, After(1, 2));
}

TEST_F(BaddiesTest, OnlyOneFreeNeighbourDrawsOnlyThePercent) {
  QueueBad(MakeBaddie(10, 10, 0, 1, BaddieKind::Bad, Blank));
  Fill(10, 10, {{1, 0}, {-1, 0}, {0, 1}}, Remains);
  Seed(5);
  steps.BadStep();
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"10 9 0 -1 B 1 0 0"}));
  EXPECT_EQ(game.State().random.randomSeed, After(5, 1));
}

TEST_F(BaddiesTest, LeftBehindCyclesTheFloor) {
  const std::vector<std::array<std::int32_t, 2>> cases = {{Blank, Dirt},
                                                          {SoftBrick, Blank},
                                                          {Dirt, SoftBrick},
                                                          {Remains, Remains},
                                                          {HardBrick, HardBrick}};
  for (const auto& [under, left] : cases) {
    ClearBoard();
    QueueBad(MakeBaddie(10, 10, 1, 0, BaddieKind::Bad, under));
    Seed(0);  // Percent 0: straight on to the east
    steps.BadStep();
    EXPECT_EQ(At(10, 10), left) << under;
    EXPECT_EQ(At(11, 10), Bad);
  }
}

TEST_F(BaddiesTest, BaddieStandsOnWhatTheCellHeldAfterTheLeaving) {
  for (std::int32_t floor : {Dirt, SoftBrick, Blank}) {
    ClearBoard();
    Fill(11, 10, {{0, 0}}, floor);
    QueueBad(MakeBaddie(10, 10, 1, 0, BaddieKind::Bad, Blank));
    Seed(0);
    steps.BadStep();
    EXPECT_EQ(BaddiesIn(game.State().badQueue),
              (std::vector<std::string>{"11 10 1 0 B 1 " + std::to_string(floor) + " 0"}));
  }
}

TEST_F(BaddiesTest, BadBaddieFloorIsBlankPlayerSoftBrickAndDirt) {
  const Baddie b = MakeBaddie(10, 10, 0, 0, BaddieKind::Bad, Blank);
  for (std::int32_t code = 0; code < kCellCodeCount; ++code) {
    Put(Position().Cell(11, 10, code));
    const bool floor = code <= 5 || code == Dirt || (code >= 34 && code <= 37);
    EXPECT_EQ(steps.CanStepOnto(b, 11, 10), floor) << code;
  }
}

TEST_F(BaddiesTest, VeryBadBaddieMayAlsoStepOntoAHardBrickNotOnItsTrail) {
  const Baddie s = MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, Blank, 2);
  const Baddie b = MakeBaddie(10, 10, 0, 0, BaddieKind::Bad, Blank, 2);
  Fill(11, 10, {{0, 0}}, HardBrick);
  EXPECT_TRUE(steps.CanStepOnto(s, 11, 10));
  EXPECT_FALSE(steps.CanStepOnto(b, 11, 10));
  Put(Position().Mark(11, 10, 2));
  EXPECT_FALSE(steps.CanStepOnto(s, 11, 10));
  Put(Position().Cell(11, 10, NestNW).Mark(11, 10, 0));
  EXPECT_FALSE(steps.CanStepOnto(s, 11, 10));
}

TEST_F(BaddiesTest, CrawlIsOntoWallCellsNotCarryingTheTrailId) {
  for (std::int32_t code = 0; code < kCellCodeCount; ++code) {
    Put(Position().Cell(11, 10, code).Mark(11, 10, 0));
    const bool wall = code == HardBrick || (code >= 9 && code <= 12) ||
                      (code >= 15 && code <= 26) || (code >= 28 && code <= 31) || code == 38;
    EXPECT_EQ(steps.CanCrawlOnto(11, 10, 1), wall) << code;
    Put(Position().Mark(11, 10, 1));
    EXPECT_FALSE(steps.CanCrawlOnto(11, 10, 1)) << code;
  }
}

TEST_F(BaddiesTest, WalledInBadBaddieDiesLeavingFreshRemains) {
  QueueBad(MakeBaddie(10, 10, 0, 0, BaddieKind::Bad, Blank));
  QueueBad(MakeBaddie(11, 10, 0, 0, BaddieKind::Bad, Blank));  // a baddie is no floor for another
  Fill(10, 10, {{-1, 0}}, NestSE);
  Fill(10, 10, {{0, 1}}, RemainsCooling);
  Fill(10, 10, {{0, -1}}, HardBrick);
  Put(Position().Mark(10, 10, 7));
  Seed(9);
  steps.BadStep();
  EXPECT_EQ(At(10, 10), Remains);
  EXPECT_EQ(MarkAt(10, 10), 0);
  EXPECT_EQ(game.State().kills, 1);
  EXPECT_EQ(Label(4), "Kills : 1");
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"11 10 0 0 B 0 0 0"}));
  EXPECT_EQ(Label(5), "At large : 1");
  EXPECT_EQ(game.State().random.randomSeed, After(9, 1));
  EXPECT_EQ(Said(), "");
}

TEST_F(BaddiesTest, LastBadBaddieDyingClearsTheLevelEvenWithVeryBadOnesLeft) {
  steps.SpawnBaddie(15, 15, BaddieKind::VeryBad);
  QueueBad(MakeBaddie(10, 10, 0, 0, BaddieKind::Bad, Blank));
  Fill(10, 10, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}, HardBrick);
  steps.StartPlay();
  host.skipShown.reset();
  steps.BadStep();
  EXPECT_EQ(Said(), InfoLine(kLevelClearedMessage));
  EXPECT_EQ(game.State().state, GameState::LevelCleared);
  EXPECT_TRUE(TimersOff());
  EXPECT_FALSE(game.State().running);
  EXPECT_EQ(host.skipShown, true);
  EXPECT_EQ(Label(5), "At large : 1");
}

TEST_F(BaddiesTest, BaddieEnteringThePlayersCellCatchesThePlayerOnce) {
  PlacePlayer(11, 10, PlayerUp);
  steps.AddPowers(1);
  QueueBad(MakeBaddie(10, 10, 1, 0, BaddieKind::Bad, Blank));
  Seed(0);
  steps.BadStep();
  EXPECT_EQ(At(11, 10), BaddieOnTop);
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"11 10 1 0 B 1 1 0"}));
  EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage));
  EXPECT_EQ(game.State().powers, 0);
  EXPECT_EQ(game.State().playerCol, 11);
}

TEST_F(BaddiesTest, VeryBadBaddieReachingThePlayerStaysVeryBadInTheBadQueue) {
  PlacePlayer(11, 10, PoweredLeft);
  QueueVeryBad(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, Blank, 4));
  Fill(10, 10, {{-1, 0}, {0, 1}, {0, -1}}, Remains);
  steps.VeryBadStep();
  EXPECT_EQ(At(11, 10), BaddieOnTop);
  EXPECT_EQ(At(10, 10), Dirt);
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"11 10 1 0 S 1 36 4"}));
  EXPECT_EQ(game.State().veryBadQueue.count(), 0);
  EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage));
}

TEST_F(BaddiesTest, BaddieLeavingThePlayersCellShowsThePlayerAgain) {
  PlacePlayer(11, 10, PlayerUp);
  QueueBad(MakeBaddie(11, 10, 1, 0, BaddieKind::Bad, PlayerUp), BaddieOnTop);
  Seed(0);
  steps.BadStep();
  EXPECT_EQ(At(11, 10), PlayerUp);
  EXPECT_EQ(At(12, 10), Bad);
  EXPECT_EQ(Said(), "");
}

TEST_F(BaddiesTest, BaddieWhoseTileWasOverwrittenStillMovesFromItsRecord) {
  QueueBad(MakeBaddie(10, 10, 1, 0, BaddieKind::Bad, Blank), SoftBrick);
  Seed(0);
  steps.BadStep();
  EXPECT_EQ(At(10, 10), Dirt);
  EXPECT_EQ(At(11, 10), Bad);
}

TEST_F(BaddiesTest, VeryBadBaddieCrawlsOntoTheOnlyWallWithoutADraw) {
  Put(Position().NextTrailId(1));
  steps.SpawnBaddie(10, 10, BaddieKind::VeryBad);
  Fill(10, 10, {{1, 0}}, HardBrick);
  Seed(77);
  steps.VeryBadStep();
  EXPECT_EQ(At(10, 10), Blank);
  EXPECT_EQ(At(11, 10), BaddieOnTop);
  EXPECT_EQ(MarkAt(11, 10), 1);
  EXPECT_EQ(BaddiesIn(game.State().veryBadQueue), (std::vector<std::string>{"11 10 0 0 S 1 6 1"}));
  EXPECT_EQ(game.State().random.randomSeed, 77u);
}

TEST_F(BaddiesTest, CrawlChoosesAmongWallsAndMarksItsTrail) {
  QueueVeryBad(MakeBaddie(10, 10, 1, 0, BaddieKind::VeryBad, HardBrick, 5), BaddieOnTop);
  Fill(10, 10, {{1, 0}, {-1, 0}, {0, -1}}, HardBrick);
  Fill(10, 10, {{0, 1}}, Hatch2SW);
  Put(Position().Mark(11, 10, 5));  // crossed already: closed
  Seed(16);                         // the second of west, south, north
  Draws d{16};
  ASSERT_EQ(d.Between(1, 3), 2);
  steps.VeryBadStep();
  EXPECT_EQ(At(10, 10), HardBrick);
  EXPECT_EQ(At(10, 11), BaddieOnTop);
  EXPECT_EQ(MarkAt(10, 11), 5);
  EXPECT_EQ(BaddiesIn(game.State().veryBadQueue), (std::vector<std::string>{"10 11 1 0 S 1 22 5"}));
  EXPECT_EQ(game.State().random.randomSeed, d.seed);
}

TEST_F(BaddiesTest, VeryBadBaddieWithNoWallStepsDownAndTurnsBad) {
  Put(Position().NextTrailId(2));
  steps.SpawnBaddie(10, 10, BaddieKind::VeryBad);
  Fill(10, 10, {{1, 0}, {0, 1}, {0, -1}}, Remains);
  Seed(8);
  steps.VeryBadStep();
  EXPECT_EQ(At(10, 10), Dirt);  // it stood on blank
  EXPECT_EQ(At(9, 10), Bad);
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"9 10 -1 0 B 1 0 2"}));
  EXPECT_EQ(game.State().veryBadQueue.count(), 0);
  EXPECT_EQ(game.State().random.randomSeed, 8u);  // no Percent for a very bad baddie, one choice
}

TEST_F(BaddiesTest, VeryBadBaddieLeavesTheWallItStoodOnWhenItStepsDown) {
  QueueVeryBad(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, HardBrick, 3), BaddieOnTop);
  Put(Position().Mark(10, 10, 3));
  Fill(10, 10, {{1, 0}, {0, 1}, {0, -1}}, Remains);
  steps.VeryBadStep();
  EXPECT_EQ(At(10, 10), HardBrick);
  EXPECT_EQ(MarkAt(10, 10), 3);
  EXPECT_EQ(At(9, 10), Bad);
}

TEST_F(BaddiesTest, VeryBadBaddieMovedOntoAHardBrickStaysVeryBad) {
  Fill(10, 10, {{1, 0}}, HardBrick);
  Fill(10, 10, {{-1, 0}, {0, 1}, {0, -1}}, Remains);
  Put(Position().Cell(10, 10, VeryBad));
  steps.MoveBaddie(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, Blank, 1));
  EXPECT_EQ(At(11, 10), BaddieOnTop);
  EXPECT_EQ(At(10, 10), Dirt);
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"11 10 1 0 S 1 6 1"}));
}

TEST_F(BaddiesTest, StuckVeryBadBaddieTakesAFreshTrailIdAndWaits) {
  Put(Position().NextTrailId(7));
  QueueVeryBad(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, Blank, 7));
  Fill(10, 10, {{1, 0}, {-1, 0}, {0, 1}}, Remains);
  Fill(10, 10, {{0, -1}}, HardBrick);
  Put(Position().Mark(10, 9, 7));
  Forget();
  steps.VeryBadStep();
  EXPECT_EQ(game.State().nextTrailId, 8);
  EXPECT_EQ(BaddiesIn(game.State().veryBadQueue), (std::vector<std::string>{"10 10 0 0 S 0 0 8"}));
  EXPECT_TRUE(host.drawn.empty());
  steps.VeryBadStep();  // its old trail is open to it again
  EXPECT_EQ(At(10, 9), BaddieOnTop);
  EXPECT_EQ(MarkAt(10, 9), 8);
}

TEST_F(BaddiesTest, VeryBadStepTreatsAnOverwrittenTileAsBlankUnderneath) {
  QueueVeryBad(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, HardBrick, 1), Dirt);
  Fill(10, 10, {{1, 0}}, HardBrick);
  steps.VeryBadStep();
  EXPECT_EQ(At(10, 10), Blank);
  EXPECT_EQ(At(11, 10), BaddieOnTop);
}

TEST_F(BaddiesTest, NestMatesShareOneTrail) {
  Put(Position().NextTrailId(4));
  steps.SpawnBaddie(10, 10, BaddieKind::VeryBad);
  steps.SpawnBaddie(12, 10, BaddieKind::VeryBad);
  Fill(11, 10, {{0, 0}}, HardBrick);
  Fill(10, 10, {{0, 1}, {0, -1}}, Remains);
  Fill(12, 10, {{1, 0}, {0, 1}, {0, -1}}, Remains);
  steps.VeryBadStep();  // the first crawls onto (11, 10) and marks it 4
  ASSERT_EQ(MarkAt(11, 10), 4);
  Put(Position().Cell(11, 10, HardBrick));  // as if it had gone on
  steps.VeryBadStep();                      // the second may not cross the mark: it is stuck
  EXPECT_EQ(At(12, 10), VeryBad);
  EXPECT_EQ(game.State().nextTrailId, 5);
}

TEST_F(BaddiesTest, StepsOnEmptyQueuesChangeNothing) {
  const Board::Layer before = game.State().board.tiles;
  Seed(3);
  steps.BadStep();
  steps.VeryBadStep();
  EXPECT_EQ(game.State().board.tiles, before);
  EXPECT_EQ(game.State().random.randomSeed, 3u);
}

TEST_F(GameTest, LevelOneBaddiesFirstSixMovesAreFixed) {
  for (int i = 0; i < 6; ++i) {
    Give(TimerTick{GameTimer::BadStep});
  }
  EXPECT_EQ(BaddiesIn(game.State().badQueue),
            (std::vector<std::string>{"2 12 1 0 B 3 0 0", "16 8 0 1 B 3 5 0"}));
  EXPECT_EQ(At(3, 12), Blank);
  EXPECT_EQ(At(2, 12), Bad);
  EXPECT_EQ(At(1, 12), Blank);
  EXPECT_EQ(At(16, 5), Dirt);
  EXPECT_EQ(At(16, 6), Blank);
  EXPECT_EQ(At(16, 7), Dirt);
  EXPECT_EQ(At(16, 8), Bad);
  EXPECT_EQ(game.State().random.randomSeed, 251970292u);
}

}  // namespace
}  // namespace stonewick::testing
