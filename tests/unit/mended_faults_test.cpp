// Places where the rules must stay sound: cells beyond the board, a player caught while
// turning, and player tiles left where the player no longer stands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

namespace stonewick::testing {
namespace {

class EdgeTest : public GameTest {
 protected:
  EdgeTest() { ClearBoard(); }
};

TEST(BoardEdge, CellsOutsideReadAsBorderAndIgnoreWrites) {
  Board board;
  for (auto [c, r] : {std::array<int, 2>{-1, 0}, {22, 5}, {5, 22}, {0, -1}, {22, 22}}) {
    EXPECT_EQ(board.Tile(c, r), Border) << c << "," << r;
    EXPECT_EQ(board.Mark(c, r), 0);
    board.WriteTile(c, r, SoftBrick);
    board.WriteMark(c, r, 9);
  }
  EXPECT_EQ(board.tiles, Board::Layer{});
  EXPECT_EQ(board.marks, Board::Layer{});
}

TEST_F(EdgeTest, SetCellOutsideTheBoardChangesNothing) {
  const Board::Layer before = game.State().board.tiles;
  steps.SetCell(22, 3, HardBrick);
  steps.SetCell(-1, -1, HardBrick);
  EXPECT_EQ(game.State().board.tiles, before);
}

TEST_F(EdgeTest, NestInTheLastColumnAndRowWakesAndHatchesOntoTheRing) {
  Fill(20, 20, {{0, 0}}, NestNW);
  Put(Position().ScanCol(19).ScanRow(20));
  steps.ScanStep();
  EXPECT_EQ(At(20, 20), Hatch0NW);
  EXPECT_EQ(At(21, 20), Hatch0NE);
  EXPECT_EQ(At(21, 21), Hatch0SE);
  EXPECT_EQ(At(20, 21), Hatch0SW);
  ASSERT_EQ(BricksIn(game.State().hatchQueue), (std::vector<std::string>{"20 20 0"}));
  for (std::uint32_t tick = 5; tick <= 20; tick += 5) {
    Put(Position().SlowTicks(tick));
    steps.HatchStep();
  }
  EXPECT_EQ(game.State().hatchQueue.count(), 0);
  EXPECT_EQ(game.State().veryBadQueue.count() + game.State().badQueue.count(), 4);
  // Let them play on: the ones on the ring look past it at Border.
  for (int i = 0; i < 200; ++i) {
    steps.VeryBadStep();
    steps.BadStep();
    steps.ScanStep();
  }
  for (int c = 0; c < 22; ++c) {
    EXPECT_NE(At(c, 0), Bad);
    EXPECT_NE(At(0, c), Bad);
  }
}

TEST_F(EdgeTest, BaddieOnTheRingSeesBeyondItAsBorderAndDies) {
  QueueBad(MakeBaddie(21, 10, 1, 0, BaddieKind::Bad, Border));
  QueueBad(MakeBaddie(5, 5, 0, 0, BaddieKind::Bad, Blank));
  Fill(20, 10, {{0, 0}}, HardBrick);
  steps.BadStep();
  EXPECT_EQ(At(21, 10), Remains);
  EXPECT_EQ(game.State().badQueue.count(), 1);
}

TEST_F(EdgeTest, VeryBadBaddieInTheCornerFindsNothingBeyondIt) {
  Put(Position().NextTrailId(1));
  QueueVeryBad(MakeBaddie(21, 21, 0, 0, BaddieKind::VeryBad, Blank, 1));
  steps.VeryBadStep();
  EXPECT_EQ(BaddiesIn(game.State().veryBadQueue), (std::vector<std::string>{"21 21 0 0 S 0 0 2"}));
}

TEST_F(EdgeTest, PushAtTheRingAndNeighboursBeyondItStayOnTheBoard) {
  PlacePlayer(20, 10, PlayerRight);
  steps.StartPlay();
  Give(KeyPress{kKeySpace});  // the border cell (21, 10) has nowhere to go
  EXPECT_EQ(At(21, 10), Border);
  Fill(20, 5, {{0, 0}}, SoftBrick);
  steps.QueueSoftNeighbours(21, 5);
  EXPECT_EQ(BricksIn(game.State().hardenQueue), (std::vector<std::string>{"20 5 0"}));
  Put(Position().Cell(21, 6, NestNE));
  steps.QueueSmash(21, 6);
  steps.SmashStep();
  EXPECT_EQ(At(21, 6), Blank);
}

TEST_F(EdgeTest, CaughtWhileTurningWithCancelEndsTheMove) {
  PlacePlayer(10, 10, Bad);  // a bad baddie stands on the player
  steps.AddPowers(-1);
  steps.StartPlay();
  Give(KeyPress{kKeyUp});
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "C"));
  EXPECT_EQ(At(10, 10), Dirt);  // the trail, not the player's tile drawn again
  EXPECT_EQ(At(10, 9), Blank);
  EXPECT_EQ(game.State().playerCol, 0);
  EXPECT_EQ(game.State().playerRow, 0);
}

TEST_F(EdgeTest, CaughtWhileTurningWithYesLeavesTheNewBoardUntouched) {
  PlacePlayer(5, 5, Bad);
  steps.AddPowers(-1);
  steps.StartPlay();
  host.answers.push_back('Y');
  Give(KeyPress{kKeyUp});  // on level 1 the cell above (10, 10) is free
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "Y"));
  EXPECT_EQ(game.State().board.tiles, LevelOneTiles());
  EXPECT_EQ(game.State().playerCol, 10);
  EXPECT_EQ(game.State().playerRow, 10);
  EXPECT_EQ(game.State().state, GameState::Ready);
}

TEST_F(EdgeTest, ArriveAtReportsWhetherTheArrivalWentOn) {
  PlacePlayer(10, 10, Bad);
  steps.AddPowers(-1);
  EXPECT_FALSE(steps.ArriveAt(10, 10, PlayerDown));
  Put(Position().State(GameState::Running));
  PlacePlayer(10, 10, Remains);
  EXPECT_TRUE(steps.ArriveAt(10, 10, PlayerDown));
  EXPECT_EQ(At(10, 10), PlayerDown);
  EXPECT_EQ(game.State().powers, 1);
}

TEST_F(EdgeTest, BaddieOnALeftoverPlayerTileDoesNotCatchThePlayer) {
  PlacePlayer(3, 3, PlayerUp);
  Fill(11, 10, {{0, 0}}, PlayerLeft);  // left behind where the player stood once
  steps.AddPowers(-1);
  steps.StartPlay();
  QueueBad(MakeBaddie(10, 10, 1, 0, BaddieKind::Bad, Blank));
  Put(Position().Seed(0));  // Percent 0: straight on
  steps.BadStep();
  EXPECT_EQ(Said(), "");
  EXPECT_EQ(game.State().state, GameState::Running);
  EXPECT_EQ(At(11, 10), BaddieOnTop);
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"11 10 1 0 B 1 3 0"}));
  Put(Position().Seed(0));
  steps.BadStep();  // leaving it, the baddie leaves the trail, not a second player
  EXPECT_EQ(At(11, 10), Dirt);
  EXPECT_EQ(At(12, 10), Bad);
  EXPECT_EQ(CountTiles(PlayerUp) + CountTiles(PlayerLeft), 1);
}

TEST_F(EdgeTest, BaddieOnThePlayersCellWithoutAPlayerTileCatchesNobody) {
  PlacePlayer(11, 10, Blank);  // the player's tile was written over
  steps.AddPowers(-1);
  steps.StartPlay();
  QueueBad(MakeBaddie(10, 10, 1, 0, BaddieKind::Bad, Blank));
  Put(Position().Seed(0));
  steps.BadStep();
  EXPECT_EQ(Said(), "");
  EXPECT_EQ(At(11, 10), Bad);
}

TEST_F(EdgeTest, CrawlLeavingALeftoverPlayerTileLeavesTheTrail) {
  Put(Position().TrailTile(Blank));
  PlacePlayer(3, 3, PlayerUp);
  QueueVeryBad(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, PoweredDown, 1), BaddieOnTop);
  Fill(11, 10, {{0, 0}}, HardBrick);
  steps.VeryBadStep();
  EXPECT_EQ(At(10, 10), Blank);
  EXPECT_EQ(At(11, 10), BaddieOnTop);
}

TEST_F(EdgeTest, CrawlLeavingThePlayersCellShowsThePlayerAgain) {
  PlacePlayer(10, 10, PoweredDown);
  QueueVeryBad(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, PoweredDown, 1), BaddieOnTop);
  Fill(11, 10, {{0, 0}}, HardBrick);
  steps.VeryBadStep();
  EXPECT_EQ(At(10, 10), PoweredDown);
}

}  // namespace
}  // namespace stonewick::testing
