// The player's keys and clicks: turning and stepping, the trail, eating remains, gliding,
// pushing bricks and other cells, and smashing with Powers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

namespace stonewick::testing {
namespace {

// A cleared board with the player at (10, 10) facing up, one Power, play running.
class PlayerTest : public GameTest {
 protected:
  PlayerTest() {
    ClearBoard();
    PlacePlayer(10, 10, PlayerUp);
    game.StartPlay();
  }
  bool PlayerAt(int col, int row) const { return game.playerCol == col && game.playerRow == row; }
};

// Level 1 as shown, waiting for the first key; (9, 10) is blank floor.
using ReadyTest = GameTest;

TEST_F(ReadyTest, FirstKeyStartsPlayAndActsAtOnce) {
  host.nowMs = 1000;
  game.KeyPressed(kKeyLeft);
  EXPECT_EQ(game.state, GameState::Running);
  EXPECT_TRUE(TimersOn());
  EXPECT_DOUBLE_EQ(game.startTime, 1000.0 / kMsPerDay);
  EXPECT_EQ(game.playerCol, 9);
  EXPECT_EQ(game.playerRow, 10);
  EXPECT_EQ(At(9, 10), PoweredLeft);
  EXPECT_EQ(At(10, 10), Dirt);
}

TEST_F(ReadyTest, KeyWithoutActionStillStartsPlay) {
  game.KeyPressed(65);
  EXPECT_EQ(game.state, GameState::Running);
  EXPECT_EQ(game.board.tiles, LevelOneTiles());
}

TEST_F(PlayerTest, KeysDoNothingInLevelClearedOrWhilePaused) {
  game.state = GameState::LevelCleared;
  game.KeyPressed(kKeyLeft);
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(game.state, GameState::LevelCleared);
  game.SetPaused(true);
  game.KeyPressed(kKeyLeft);
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(At(10, 10), PlayerUp);
  EXPECT_EQ(game.state, GameState::Paused);
}

TEST_F(PlayerTest, ArrowTowardsABrickOnlyTurns) {
  Fill(10, 10, {{1, 0}}, SoftBrick);
  game.KeyPressed(kKeyRight);
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(At(10, 10), PoweredRight);
  EXPECT_EQ(At(11, 10), SoftBrick);
}

TEST_F(PlayerTest, PlayerLeavesTheTrailTileBehind) {
  game.trailTile = Blank;
  game.KeyPressed(kKeyUp);
  EXPECT_TRUE(PlayerAt(10, 9));
  EXPECT_EQ(At(10, 9), PoweredUp);
  EXPECT_EQ(At(10, 10), Blank);
  game.trailTile = Dirt;
  game.KeyPressed(kKeyDown);
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(At(10, 9), Dirt);
  EXPECT_EQ(At(10, 10), PoweredDown);
}

TEST_F(PlayerTest, ArrowTowardsABaddieGivesTheSecondChanceWithoutMoving) {
  game.AddPowers(1);
  Fill(10, 10, {{1, 0}}, Bad);
  game.KeyPressed(kKeyRight);
  EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage));
  EXPECT_EQ(game.powers, 0);
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(At(10, 10), PoweredRight);  // drawn by the turn, before the Powers were spent
  EXPECT_EQ(At(11, 10), Bad);
}

TEST_F(PlayerTest, EveryBaddieCodeAheadCatchesThePlayer) {
  for (std::int32_t code : {VeryBad, BaddieOnTop}) {
    game.state = GameState::Running;
    game.AddPowers(1 - game.powers);
    Forget();
    Fill(10, 10, {{0, -1}}, code);
    game.KeyPressed(kKeyUp);
    EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage)) << code;
    EXPECT_TRUE(PlayerAt(10, 10));
  }
}

TEST_F(PlayerTest, ArrowTowardsABaddieWithoutPowersEndsTheGame) {
  game.AddPowers(-1);
  Fill(10, 10, {{-1, 0}}, Bad);
  game.KeyPressed(kKeyLeft);
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "C"));
  EXPECT_EQ(game.state, GameState::GameOver);
  EXPECT_TRUE(PlayerAt(0, 0));
  EXPECT_EQ(At(10, 10), Dirt);  // the trail of level 1
}

TEST_F(PlayerTest, BadBaddieOnThePlayersCellCatchesAtTheNextArrow) {
  Fill(10, 10, {{0, 0}}, Bad);
  game.KeyPressed(kKeyRight);
  EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage));
  EXPECT_EQ(game.powers, 0);
  // The second chance lets the move go on: the step uses the plain tile set.
  EXPECT_TRUE(PlayerAt(11, 10));
  EXPECT_EQ(At(11, 10), PlayerRight);
  EXPECT_EQ(At(10, 10), Dirt);
}

TEST_F(PlayerTest, EachRemainsGiveOnePower) {
  game.AddPowers(-1);
  game.board.tiles[10][10] = PlayerRight;
  Fill(10, 10, {{1, 0}}, Remains);
  Fill(10, 10, {{2, 0}}, RemainsCooling);
  Fill(10, 10, {{3, 0}}, RemainsCold);
  game.board.marks[11][10] = 3;
  game.KeyPressed(kKeyRight);
  EXPECT_EQ(game.powers, 1);
  EXPECT_EQ(At(11, 10), PlayerRight);  // the tile was chosen before the Power came
  EXPECT_EQ(MarkAt(11, 10), 3);
  game.KeyPressed(kKeyRight);
  EXPECT_EQ(game.powers, 2);
  EXPECT_EQ(At(12, 10), PoweredRight);
  game.KeyPressed(kKeyRight);
  EXPECT_EQ(game.powers, 3);
  EXPECT_EQ(Label(1), "Powers : 3");
}

TEST_F(PlayerTest, GlideWalksToTheLastFreeCellEatingOnTheWay) {
  ClearBoard(Dirt);
  PlacePlayer(3, 10, PlayerRight);
  game.trailTile = Dirt;
  game.AddPowers(-1);
  Fill(3, 10, {{3, 0}}, Remains);
  Fill(3, 10, {{6, 0}}, HardBrick);
  game.glide = true;
  game.KeyPressed(kKeyRight);
  EXPECT_TRUE(PlayerAt(8, 10));
  EXPECT_EQ(game.powers, 1);
  for (int c = 3; c <= 7; ++c) {
    EXPECT_EQ(At(c, 10), Dirt) << c;
  }
  EXPECT_EQ(At(8, 10), PoweredRight);
  EXPECT_EQ(At(9, 10), HardBrick);
}

TEST_F(PlayerTest, PushedSoftBrickSlidesOverDirtAndQueuesOnceAgainstAWall) {
  ClearBoard(Dirt);
  PlacePlayer(4, 10, PlayerRight);
  Fill(4, 10, {{1, 0}}, SoftBrick);
  Fill(4, 10, {{6, 0}, {5, -1}}, HardBrick);  // two wall neighbours at the stop
  game.slowTicks = 7;
  game.KeyPressed(kKeySpace);
  EXPECT_EQ(At(9, 10), SoftBrick);
  for (int c = 5; c <= 8; ++c) {
    EXPECT_EQ(At(c, 10), Blank) << c;
  }
  EXPECT_EQ(BricksIn(game.hardenQueue), (std::vector<std::string>{"9 10 7"}));
  EXPECT_TRUE(PlayerAt(4, 10));
}

TEST_F(PlayerTest, SoftBrickThatCannotMoveIsNotQueued) {
  game.board.tiles[10][10] = PlayerRight;
  Fill(10, 10, {{1, 0}}, SoftBrick);
  Fill(10, 10, {{2, 0}}, HardBrick);
  game.KeyPressed(kKeySpace);
  EXPECT_EQ(At(11, 10), SoftBrick);
  EXPECT_EQ(game.hardenQueue.count(), 0);
}

TEST_F(PlayerTest, SoftBrickStoppedByAnythingButAWallIsNotQueued) {
  game.board.tiles[10][10] = PlayerRight;
  Fill(10, 10, {{1, 0}}, SoftBrick);
  Fill(10, 10, {{5, 0}}, Remains);
  Fill(10, 10, {{4, 1}}, VeryBad);  // a baddie just hatched is not a wall cell
  game.KeyPressed(kKeySpace);
  EXPECT_EQ(At(14, 10), SoftBrick);
  EXPECT_EQ(game.hardenQueue.count(), 0);
}

TEST_F(PlayerTest, SoftBrickStoppedNextToAnyWallCellIsQueued) {
  for (std::int32_t wall : {NestSW, Hatch0NE, Hatch3SE, BaddieOnTop}) {
    ClearBoard();
    PlacePlayer(10, 10, PlayerRight);
    Fill(10, 10, {{1, 0}}, SoftBrick);
    Fill(10, 10, {{5, 0}}, Remains);
    Fill(10, 10, {{4, -1}}, wall);
    game.KeyPressed(kKeySpace);
    EXPECT_EQ(BricksIn(game.hardenQueue), (std::vector<std::string>{"14 10 0"})) << wall;
  }
}

TEST_F(PlayerTest, PushedHardBrickQueuesItsSoftNeighbours) {
  game.board.tiles[10][10] = PlayerUp;
  Fill(10, 10, {{0, -1}}, HardBrick);
  Fill(10, 5, {{0, -1}, {1, 0}, {-1, 0}}, SoftBrick);  // stops at (10, 5)
  game.KeyPressed(kKeySpace);
  EXPECT_EQ(At(10, 5), HardBrick);
  for (int r = 6; r <= 9; ++r) {
    EXPECT_EQ(At(10, r), Blank) << r;
  }
  EXPECT_EQ(BricksIn(game.hardenQueue), (std::vector<std::string>{"11 5 0", "9 5 0", "10 4 0"}));
}

TEST_F(PlayerTest, PushedDirtLeavesBlankBehindAndDirtAtTheFarEnd) {
  ClearBoard(Dirt);
  PlacePlayer(4, 10, PlayerRight);
  game.KeyPressed(kKeySpace);
  for (int c = 5; c <= 19; ++c) {
    EXPECT_EQ(At(c, 10), Blank) << c;
  }
  EXPECT_EQ(At(20, 10), Dirt);
  EXPECT_EQ(At(21, 10), Border);
}

TEST_F(PlayerTest, PushedBaddieTileMovesWithoutItsRecordOrMark) {
  game.board.tiles[10][10] = PlayerRight;
  game.SpawnBaddie(11, 10, BaddieKind::Bad);
  game.board.marks[11][10] = 4;
  Fill(10, 10, {{4, 0}}, Remains);
  game.KeyPressed(kKeySpace);
  EXPECT_EQ(At(13, 10), Bad);
  EXPECT_EQ(At(11, 10), Blank);
  EXPECT_EQ(MarkAt(11, 10), 4);
  EXPECT_EQ(MarkAt(13, 10), 0);
  EXPECT_EQ(BaddiesIn(game.badQueue), (std::vector<std::string>{"11 10 0 0 B 0 0 0"}));
}

TEST_F(PlayerTest, SmashWithoutPowersDoesNothing) {
  game.AddPowers(-1);
  Fill(10, 10, {{0, -1}}, SoftBrick);
  game.KeyPressed(kKeyB);
  EXPECT_EQ(At(10, 9), SoftBrick);
  EXPECT_EQ(game.powers, 0);
  EXPECT_FALSE(game.smashing);
}

TEST_F(PlayerTest, SmashOnBlankFloorSpendsAPowerForNothing) {
  const Board::Layer before = game.board.tiles;
  game.KeyPressed(kKeyB);
  EXPECT_EQ(game.powers, 0);
  EXPECT_TRUE(game.smashing);
  EXPECT_EQ(game.smashQueue.count(), 0);
  EXPECT_EQ(game.board.tiles, before);
}

TEST_F(PlayerTest, SmashedBrickIsAnimatedAwayAndNothingIsQueued) {
  for (std::int32_t brick : {SoftBrick, HardBrick}) {
    game.AddPowers(1);
    Fill(10, 10, {{0, -1}}, brick);
    Fill(10, 8, {{0, 0}, {1, 1}}, SoftBrick);
    Forget();
    game.KeyPressed(kKeyB);
    EXPECT_EQ(At(10, 9), Blank);
    EXPECT_EQ(game.powers, 1) << brick;
    EXPECT_EQ(host.DrawnAt(10, 9).size(), 37u);
    EXPECT_FALSE(game.smashing);
    EXPECT_EQ(game.hardenQueue.count(), 0);
    EXPECT_EQ(game.smashQueue.count(), 0);
  }
}

TEST_F(PlayerTest, SmashOnANestQuarterQueuesItForOnePower) {
  game.AddPowers(2);
  Fill(10, 9, {{0, 0}}, Hatch2SE);
  game.KeyPressed(kKeyB);
  EXPECT_EQ(game.powers, 2);
  EXPECT_TRUE(game.smashing);
  EXPECT_EQ(BricksIn(game.smashQueue), (std::vector<std::string>{"10 9 0"}));
  EXPECT_EQ(At(10, 9), Hatch2SE);  // the smash step takes it later
}

TEST_F(PlayerTest, ClickTurnsAPlainPlayerTileClockwise) {
  std::vector<std::int32_t> seen;
  for (int i = 0; i < 4; ++i) {
    game.CellClicked(10, 10);
    seen.push_back(At(10, 10));
  }
  EXPECT_EQ(seen, (std::vector<std::int32_t>{PlayerRight, PlayerDown, PlayerLeft, PlayerUp}));
  game.board.tiles[10][10] = PoweredUp;
  game.CellClicked(10, 10);
  EXPECT_EQ(At(10, 10), PoweredUp);
  game.board.tiles[3][3] = PlayerLeft;  // not the player's cell: turned all the same
  game.CellClicked(3, 3);
  EXPECT_EQ(At(3, 3), PlayerUp);
  const Board::Layer before = game.board.tiles;
  game.CellClicked(-1, 4);
  game.CellClicked(22, 0);
  EXPECT_EQ(game.board.tiles, before);
}

TEST_F(PlayerTest, ClickedFacingIsUsedByTheNextPush) {
  game.board.tiles[10][10] = PlayerLeft;
  Fill(10, 10, {{-1, 0}, {0, -1}}, SoftBrick);
  game.CellClicked(10, 10);  // now facing up
  game.KeyPressed(kKeySpace);
  EXPECT_EQ(At(9, 10), SoftBrick);
  EXPECT_EQ(At(10, 9), Blank);
  EXPECT_EQ(At(10, 1), SoftBrick);
}

TEST_F(PlayerTest, WithoutAPlayerArrowsAndPushDoNothingAndSmashHitsTheCorner) {
  game.AutoCommand();
  const Board::Layer before = game.board.tiles;
  game.KeyPressed(kKeyUp);
  game.KeyPressed(kKeySpace);
  EXPECT_EQ(game.board.tiles, before);
  game.KeyPressed(kKeyB);
  EXPECT_EQ(game.powers, 0);
  EXPECT_TRUE(game.smashing);
  EXPECT_EQ(game.board.tiles, before);
}

}  // namespace
}  // namespace stonewick::testing
