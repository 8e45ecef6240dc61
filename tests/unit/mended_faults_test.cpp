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
  const Board::Layer before = game.board.tiles;
  game.SetCell(22, 3, HardBrick);
  game.SetCell(-1, -1, HardBrick);
  EXPECT_EQ(game.board.tiles, before);
}

TEST_F(EdgeTest, NestInTheLastColumnAndRowWakesAndHatchesOntoTheRing) {
  Fill(20, 20, {{0, 0}}, NestNW);
  game.scanCol = 19;
  game.scanRow = 20;
  game.ScanStep();
  EXPECT_EQ(At(20, 20), Hatch0NW);
  EXPECT_EQ(At(21, 20), Hatch0NE);
  EXPECT_EQ(At(21, 21), Hatch0SE);
  EXPECT_EQ(At(20, 21), Hatch0SW);
  ASSERT_EQ(BricksIn(game.hatchQueue), (std::vector<std::string>{"20 20 0"}));
  for (std::uint32_t tick = 5; tick <= 20; tick += 5) {
    game.slowTicks = tick;
    game.HatchStep();
  }
  EXPECT_EQ(game.hatchQueue.count(), 0);
  EXPECT_EQ(game.veryBadQueue.count() + game.badQueue.count(), 4);
  // Let them play on: the ones on the ring look past it at Border.
  for (int i = 0; i < 200; ++i) {
    game.VeryBadStep();
    game.BadStep();
    game.ScanStep();
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
  game.BadStep();
  EXPECT_EQ(At(21, 10), Remains);
  EXPECT_EQ(game.badQueue.count(), 1);
}

TEST_F(EdgeTest, VeryBadBaddieInTheCornerFindsNothingBeyondIt) {
  game.nextTrailId = 1;
  QueueVeryBad(MakeBaddie(21, 21, 0, 0, BaddieKind::VeryBad, Blank, 1));
  game.VeryBadStep();
  EXPECT_EQ(BaddiesIn(game.veryBadQueue), (std::vector<std::string>{"21 21 0 0 S 0 0 2"}));
}

TEST_F(EdgeTest, PushAtTheRingAndNeighboursBeyondItStayOnTheBoard) {
  PlacePlayer(20, 10, PlayerRight);
  game.StartPlay();
  game.KeyPressed(kKeySpace);  // the border cell (21, 10) has nowhere to go
  EXPECT_EQ(At(21, 10), Border);
  Fill(20, 5, {{0, 0}}, SoftBrick);
  game.QueueSoftNeighbours(21, 5);
  EXPECT_EQ(BricksIn(game.hardenQueue), (std::vector<std::string>{"20 5 0"}));
  game.board.tiles[21][6] = NestNE;
  game.QueueSmash(21, 6);
  game.SmashStep();
  EXPECT_EQ(At(21, 6), Blank);
}

TEST_F(EdgeTest, CaughtWhileTurningWithCancelEndsTheMove) {
  PlacePlayer(10, 10, Bad);  // a bad baddie stands on the player
  game.AddPowers(-1);
  game.StartPlay();
  game.KeyPressed(kKeyUp);
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "C"));
  EXPECT_EQ(At(10, 10), Dirt);  // the trail, not the player's tile drawn again
  EXPECT_EQ(At(10, 9), Blank);
  EXPECT_EQ(game.playerCol, 0);
  EXPECT_EQ(game.playerRow, 0);
}

TEST_F(EdgeTest, CaughtWhileTurningWithYesLeavesTheNewBoardUntouched) {
  PlacePlayer(5, 5, Bad);
  game.AddPowers(-1);
  game.StartPlay();
  host.answers.push_back('Y');
  game.KeyPressed(kKeyUp);  // on level 1 the cell above (10, 10) is free
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "Y"));
  EXPECT_EQ(game.board.tiles, LevelOneTiles());
  EXPECT_EQ(game.playerCol, 10);
  EXPECT_EQ(game.playerRow, 10);
  EXPECT_EQ(game.state, GameState::Ready);
}

TEST_F(EdgeTest, ArriveAtReportsWhetherTheArrivalWentOn) {
  PlacePlayer(10, 10, Bad);
  game.AddPowers(-1);
  EXPECT_FALSE(game.ArriveAt(10, 10, PlayerDown));
  game.state = GameState::Running;
  PlacePlayer(10, 10, Remains);
  EXPECT_TRUE(game.ArriveAt(10, 10, PlayerDown));
  EXPECT_EQ(At(10, 10), PlayerDown);
  EXPECT_EQ(game.powers, 1);
}

TEST_F(EdgeTest, BaddieOnALeftoverPlayerTileDoesNotCatchThePlayer) {
  PlacePlayer(3, 3, PlayerUp);
  Fill(11, 10, {{0, 0}}, PlayerLeft);  // left behind where the player stood once
  game.AddPowers(-1);
  game.StartPlay();
  QueueBad(MakeBaddie(10, 10, 1, 0, BaddieKind::Bad, Blank));
  game.random.randomSeed = 0;  // Percent 0: straight on
  game.BadStep();
  EXPECT_EQ(Said(), "");
  EXPECT_EQ(game.state, GameState::Running);
  EXPECT_EQ(At(11, 10), BaddieOnTop);
  EXPECT_EQ(BaddiesIn(game.badQueue), (std::vector<std::string>{"11 10 1 0 B 1 3 0"}));
  game.random.randomSeed = 0;
  game.BadStep();  // leaving it, the baddie leaves the trail, not a second player
  EXPECT_EQ(At(11, 10), Dirt);
  EXPECT_EQ(At(12, 10), Bad);
  EXPECT_EQ(CountTiles(PlayerUp) + CountTiles(PlayerLeft), 1);
}

TEST_F(EdgeTest, BaddieOnThePlayersCellWithoutAPlayerTileCatchesNobody) {
  PlacePlayer(11, 10, Blank);  // the player's tile was written over
  game.AddPowers(-1);
  game.StartPlay();
  QueueBad(MakeBaddie(10, 10, 1, 0, BaddieKind::Bad, Blank));
  game.random.randomSeed = 0;
  game.BadStep();
  EXPECT_EQ(Said(), "");
  EXPECT_EQ(At(11, 10), Bad);
}

TEST_F(EdgeTest, CrawlLeavingALeftoverPlayerTileLeavesTheTrail) {
  game.trailTile = Blank;
  PlacePlayer(3, 3, PlayerUp);
  QueueVeryBad(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, PoweredDown, 1), BaddieOnTop);
  Fill(11, 10, {{0, 0}}, HardBrick);
  game.VeryBadStep();
  EXPECT_EQ(At(10, 10), Blank);
  EXPECT_EQ(At(11, 10), BaddieOnTop);
}

TEST_F(EdgeTest, CrawlLeavingThePlayersCellShowsThePlayerAgain) {
  PlacePlayer(10, 10, PoweredDown);
  QueueVeryBad(MakeBaddie(10, 10, 0, 0, BaddieKind::VeryBad, PoweredDown, 1), BaddieOnTop);
  Fill(11, 10, {{0, 0}}, HardBrick);
  game.VeryBadStep();
  EXPECT_EQ(At(10, 10), PoweredDown);
}

}  // namespace
}  // namespace stonewick::testing
