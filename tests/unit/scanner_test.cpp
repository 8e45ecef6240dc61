// The scanner's walk over the board and what it does at each cell: nests made, woken and
// broken back, remains aged into bricks; and the hatch step taking a nest through its stages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

namespace stonewick::testing {
namespace {

class ScannerTest : public GameTest {
 protected:
  ScannerTest() { ClearBoard(); }
  // The scanner's next visit is to (col, row).
  void VisitNext(int col, int row) { Put(Position().ScanCol(col - 1).ScanRow(row)); }
  void Visit(int col, int row) {
    VisitNext(col, row);
    steps.ScanStep();
  }
  // A nest of one stage: codes of its NW, NE, SE and SW quarters.
  void PutNest(int col, int row, std::array<std::int32_t, 4> codes) {
    Put(Position()
            .Cell(col, row, codes[0])
            .Cell(col + 1, row, codes[1])
            .Cell(col + 1, row + 1, codes[2])
            .Cell(col, row + 1, codes[3]));
  }
  std::array<std::int32_t, 4> NestAt(int col, int row) const {
    return {At(col, row), At(col + 1, row), At(col + 1, row + 1), At(col, row + 1)};
  }
  static constexpr std::array<std::int32_t, 4> kDormant = {NestNW, NestNE, NestSE, NestSW};
  static constexpr std::array<std::int32_t, 4> kStage0 = {Hatch0NW, Hatch0NE, Hatch0SE, Hatch0SW};
  static constexpr std::array<std::int32_t, 4> kStage1 = {Hatch1NW, Hatch1NE, Hatch1SE, Hatch1SW};
  static constexpr std::array<std::int32_t, 4> kStage2 = {Hatch2NW, Hatch2NE, Hatch2SE, Hatch2SW};
  static constexpr std::array<std::int32_t, 4> kStage3 = {Hatch3NW, Hatch3NE, Hatch3SE, Hatch3SW};
  static constexpr std::array<std::int32_t, 4> kHard = {HardBrick, HardBrick, HardBrick, HardBrick};
};

TEST_F(GameTest, ScannerFirstPassWalksRowZeroBeforeRowOne) {
  const Board::Layer before = game.State().board.tiles;
  steps.ScanStep();
  EXPECT_EQ(game.State().scanCol, 1);
  EXPECT_EQ(game.State().scanRow, 0);
  for (int i = 1; i < 20; ++i) {
    steps.ScanStep();
  }
  EXPECT_EQ(game.State().scanCol, 20);
  EXPECT_EQ(game.State().scanRow, 0);
  EXPECT_EQ(game.State().board.tiles, before);
  steps.ScanStep();
  EXPECT_EQ(game.State().scanCol, 1);
  EXPECT_EQ(game.State().scanRow, 1);
}

TEST_F(ScannerTest, CursorWrapsFromTheLastCellToRowOne) {
  Put(Position().ScanCol(19).ScanRow(20));
  steps.ScanStep();
  EXPECT_EQ(game.State().scanCol, 20);
  EXPECT_EQ(game.State().scanRow, 20);
  steps.ScanStep();
  EXPECT_EQ(game.State().scanCol, 1);
  EXPECT_EQ(game.State().scanRow, 1);
}

TEST_F(ScannerTest, SquareOfHardBricksBecomesADormantNestAndWakesOnTheNextVisit) {
  PutNest(5, 5, kHard);
  Visit(5, 5);
  EXPECT_EQ(NestAt(5, 5), kDormant);
  EXPECT_EQ(game.State().hatchQueue.count(), 0);
  Put(Position().SlowTicks(12));
  Visit(5, 5);
  EXPECT_EQ(NestAt(5, 5), kStage0);
  EXPECT_EQ(BricksIn(game.State().hatchQueue), (std::vector<std::string>{"5 5 12"}));
}

TEST_F(ScannerTest, WidthThreeBlockMakesOneNestInItsLeftColumns) {
  Fill(5, 5, {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}, HardBrick);
  VisitNext(5, 5);
  for (int i = 0; i < 3; ++i) {
    steps.ScanStep();
  }
  EXPECT_EQ(NestAt(5, 5), kDormant);
  EXPECT_EQ(At(7, 5), HardBrick);
  EXPECT_EQ(At(7, 6), HardBrick);
}

TEST_F(ScannerTest, OrphanQuartersTurnBackIntoHardBricks) {
  PutNest(5, 5, {Blank, Hatch1NE, NestSE, Hatch3SW});
  Visit(6, 5);
  EXPECT_EQ(At(6, 5), HardBrick);
  Visit(6, 6);
  EXPECT_EQ(At(6, 6), HardBrick);
  Visit(5, 6);
  EXPECT_EQ(At(5, 6), HardBrick);
}

TEST_F(ScannerTest, AnyStageOfNorthWestQuarterKeepsTheOthers) {
  PutNest(5, 5, {Hatch0NW, Hatch2NE, NestSE, Hatch3SW});
  for (auto [c, r] : {std::array<int, 2>{6, 5}, {6, 6}, {5, 6}, {5, 5}}) {
    Visit(c, r);
  }
  EXPECT_EQ(NestAt(5, 5), (std::array<std::int32_t, 4>{Hatch0NW, Hatch2NE, NestSE, Hatch3SW}));
}

TEST_F(ScannerTest, QuarterCoveredByABaddieLeavesTheOthersWithoutPartner) {
  PutNest(5, 5, {BaddieOnTop, Hatch1NE, Hatch1SE, Hatch1SW});
  Visit(6, 5);
  Visit(5, 6);
  EXPECT_EQ(At(6, 5), HardBrick);
  EXPECT_EQ(At(5, 6), HardBrick);
  EXPECT_EQ(At(6, 6), Hatch1SE);
}

TEST_F(ScannerTest, BrokenQuarterCanAtOnceStartANewNest) {
  Fill(5, 5, {{0, 0}}, NestNE);
  Fill(5, 5, {{1, 0}, {0, 1}, {1, 1}}, HardBrick);
  Visit(5, 5);
  EXPECT_EQ(NestAt(5, 5), kDormant);
}

TEST_F(ScannerTest, RemainsAgeIntoAHardBrickThatKeepsMarkTwo) {
  Fill(5, 5, {{0, 0}}, Remains);
  Fill(5, 5, {{1, 0}, {0, -1}}, SoftBrick);
  Put(Position().SlowTicks(4));
  Visit(5, 5);
  EXPECT_EQ(At(5, 5), Remains);
  EXPECT_EQ(MarkAt(5, 5), 1);
  Visit(5, 5);
  EXPECT_EQ(At(5, 5), RemainsCooling);
  EXPECT_EQ(MarkAt(5, 5), 2);
  Visit(5, 5);
  EXPECT_EQ(At(5, 5), RemainsCold);
  EXPECT_EQ(MarkAt(5, 5), 2);
  EXPECT_EQ(game.State().hardenQueue.count(), 0);
  Visit(5, 5);
  EXPECT_EQ(At(5, 5), HardBrick);
  EXPECT_EQ(MarkAt(5, 5), 2);
  EXPECT_EQ(BricksIn(game.State().hardenQueue), (std::vector<std::string>{"6 5 4", "5 4 4"}));
  EXPECT_FALSE(steps.CanCrawlOnto(5, 5, 2));
  EXPECT_TRUE(steps.CanCrawlOnto(5, 5, 3));
}

TEST_F(ScannerTest, RemainsPushedToACellAgeFromThatCellsMark) {
  Fill(5, 5, {{0, 0}}, Remains);
  Put(Position().Mark(5, 5, 6));
  Visit(5, 5);
  EXPECT_EQ(At(5, 5), RemainsCooling);
  EXPECT_EQ(MarkAt(5, 5), 7);
}

TEST_F(ScannerTest, HatchStagesLastAtLeastFiveSlowTicks) {
  PutNest(5, 5, kStage0);
  steps.QueueHatch(5, 5, 10);
  const std::array<std::array<std::int32_t, 4>, 3> stages = {kStage1, kStage2, kStage3};
  std::uint32_t tick = 10;
  for (const auto& stage : stages) {
    const auto before = NestAt(5, 5);
    Put(Position().SlowTicks(tick + 4));
    steps.HatchStep();
    EXPECT_EQ(NestAt(5, 5), before);
    EXPECT_EQ(BricksIn(game.State().hatchQueue),
              (std::vector<std::string>{"5 5 " + std::to_string(tick)}));
    tick += 5;
    Put(Position().SlowTicks(tick));
    steps.HatchStep();
    EXPECT_EQ(NestAt(5, 5), stage);
    EXPECT_EQ(BricksIn(game.State().hatchQueue),
              (std::vector<std::string>{"5 5 " + std::to_string(tick)}));
  }
}

TEST_F(ScannerTest, StageChangeWritesEveryQuarterButACoveredOne) {
  PutNest(5, 5, {Hatch1NW, HardBrick, BaddieOnTop, Blank});
  steps.QueueHatch(5, 5, 0);
  Put(Position().SlowTicks(5));
  Forget();
  steps.HatchStep();
  EXPECT_EQ(NestAt(5, 5), (std::array<std::int32_t, 4>{Hatch2NW, Hatch2NE, BaddieOnTop, Hatch2SW}));
  EXPECT_EQ(host.drawn.size(), 3u);
  EXPECT_EQ(host.drawn[1].col, 6);  // north-east before south-west
  EXPECT_EQ(host.drawn[2].row, 6);
}

TEST_F(ScannerTest, HatchingSpawnsFourVeryBadBaddiesOnOneNewTrailThenMovesTheOldest) {
  PutNest(5, 5, kStage3);
  Put(Position().NextTrailId(4));
  steps.QueueHatch(5, 5, 0);
  Put(Position().SlowTicks(5));
  Put(Position().Seed(0));  // the oldest may go west or north: the first, west
  steps.HatchStep();
  EXPECT_EQ(game.State().nextTrailId, 5);
  EXPECT_EQ(game.State().hatchQueue.count(), 0);
  EXPECT_EQ(BaddiesIn(game.State().veryBadQueue),
            (std::vector<std::string>{"6 5 0 0 S 0 0 5", "5 6 0 0 S 0 0 5", "6 6 0 0 S 0 0 5"}));
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"4 5 -1 0 B 1 0 5"}));
  EXPECT_EQ(At(5, 5), Dirt);
  EXPECT_EQ(At(4, 5), Bad);
  EXPECT_EQ(At(6, 5), VeryBad);
  EXPECT_EQ(At(5, 6), VeryBad);
  EXPECT_EQ(At(6, 6), VeryBad);
  EXPECT_EQ(game.State().random.randomSeed, 1u);
  EXPECT_EQ(Label(5), "At large : 4");
}

TEST_F(ScannerTest, HatchingSpawnsNoBaddieOnACoveredQuarter) {
  PutNest(5, 5, {Hatch3NW, Hatch3NE, BaddieOnTop, Hatch3SW});
  Fill(5, 5, {{-1, 0}, {0, -1}}, Remains);  // the first baddie has nowhere to go
  steps.QueueHatch(5, 5, 0);
  Put(Position().SlowTicks(9));
  steps.HatchStep();
  EXPECT_EQ(BaddiesIn(game.State().veryBadQueue),
            (std::vector<std::string>{"6 5 0 0 S 0 0 1", "5 6 0 0 S 0 0 1", "5 5 0 0 S 0 0 2"}));
  EXPECT_EQ(At(6, 6), BaddieOnTop);
}

TEST_F(ScannerTest, HatchEntryWaitsWhileItsNorthWestQuarterIsCovered) {
  PutNest(5, 5, {BaddieOnTop, Hatch0NE, Hatch0SE, Hatch0SW});
  steps.QueueHatch(5, 5, 2);
  Put(Position().SlowTicks(30));
  steps.HatchStep();
  EXPECT_EQ(BricksIn(game.State().hatchQueue), (std::vector<std::string>{"5 5 2"}));
  EXPECT_EQ(NestAt(5, 5), (std::array<std::int32_t, 4>{BaddieOnTop, Hatch0NE, Hatch0SE, Hatch0SW}));
}

TEST_F(ScannerTest, HatchStepTakesNothingWhileSmashing) {
  PutNest(5, 5, kStage0);
  steps.QueueHatch(5, 5, 0);
  steps.QueueHatch(8, 8, 0);
  Put(Position().SlowTicks(30).Smashing(true));
  steps.HatchStep();
  EXPECT_EQ(BricksIn(game.State().hatchQueue), (std::vector<std::string>{"5 5 0", "8 8 0"}));
  EXPECT_EQ(NestAt(5, 5), kStage0);
}

TEST_F(ScannerTest, HatchEntryOfAGoneNestIsDroppedWhenDue) {
  PutNest(5, 5, {NestNW, Hatch0NE, Hatch0SE, Hatch0SW});  // dormant again is gone too
  steps.QueueHatch(5, 5, 0);
  Put(Position().SlowTicks(5));
  steps.HatchStep();
  EXPECT_EQ(game.State().hatchQueue.count(), 0);
  EXPECT_EQ(At(5, 5), NestNW);
}

TEST_F(ScannerTest, UndueEntryGoesToTheBackWithItsOldTick) {
  steps.QueueHatch(5, 5, 0);
  steps.QueueHatch(9, 9, 1);
  Put(Position().SlowTicks(3));
  steps.HatchStep();
  EXPECT_EQ(BricksIn(game.State().hatchQueue), (std::vector<std::string>{"9 9 1", "5 5 0"}));
}

}  // namespace
}  // namespace stonewick::testing
