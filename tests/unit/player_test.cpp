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
    steps.StartPlay();
  }
  bool PlayerAt(int col, int row) const {
    return game.State().playerCol == col && game.State().playerRow == row;
  }
};

// Level 1 as shown, waiting for the first key; (9, 10) is blank floor.
using ReadyTest = GameTest;

TEST_F(ReadyTest, FirstKeyStartsPlayAndActsAtOnce) {
  host.nowMs = 1000;
  Give(KeyPress{kKeyLeft});
  EXPECT_EQ(game.State().state, GameState::Running);
  EXPECT_TRUE(TimersOn());
  EXPECT_DOUBLE_EQ(game.State().startTime, 1000.0 / kMsPerDay);
  EXPECT_EQ(game.State().playerCol, 9);
  EXPECT_EQ(game.State().playerRow, 10);
  EXPECT_EQ(At(9, 10), PoweredLeft);
  EXPECT_EQ(At(10, 10), Dirt);
}

TEST_F(ReadyTest, KeyWithoutActionStillStartsPlay) {
  Give(KeyPress{65});
  EXPECT_EQ(game.State().state, GameState::Running);
  EXPECT_EQ(game.State().board.tiles, LevelOneTiles());
}

TEST_F(PlayerTest, KeysDoNothingInLevelClearedOrWhilePaused) {
  Put(Position().State(GameState::LevelCleared));
  Give(KeyPress{kKeyLeft});
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(game.State().state, GameState::LevelCleared);
  steps.SetPaused(true);
  Give(KeyPress{kKeyLeft});
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(At(10, 10), PlayerUp);
  EXPECT_EQ(game.State().state, GameState::Paused);
}

TEST_F(PlayerTest, ArrowTowardsABrickOnlyTurns) {
  Fill(10, 10, {{1, 0}}, SoftBrick);
  Give(KeyPress{kKeyRight});
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(At(10, 10), PoweredRight);
  EXPECT_EQ(At(11, 10), SoftBrick);
}

TEST_F(PlayerTest, PlayerLeavesTheTrailTileBehind) {
  Put(Position().TrailTile(Blank));
  Give(KeyPress{kKeyUp});
  EXPECT_TRUE(PlayerAt(10, 9));
  EXPECT_EQ(At(10, 9), PoweredUp);
  EXPECT_EQ(At(10, 10), Blank);
  Put(Position().TrailTile(Dirt));
  Give(KeyPress{kKeyDown});
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(At(10, 9), Dirt);
  EXPECT_EQ(At(10, 10), PoweredDown);
}

TEST_F(PlayerTest, ArrowTowardsABaddieGivesTheSecondChanceWithoutMoving) {
  steps.AddPowers(1);
  Fill(10, 10, {{1, 0}}, Bad);
  Give(KeyPress{kKeyRight});
  EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage));
  EXPECT_EQ(game.State().powers, 0);
  EXPECT_TRUE(PlayerAt(10, 10));
  EXPECT_EQ(At(10, 10), PoweredRight);  // drawn by the turn, before the Powers were spent
  EXPECT_EQ(At(11, 10), Bad);
}

TEST_F(PlayerTest, EveryBaddieCodeAheadCatchesThePlayer) {
  for (std::int32_t code : {VeryBad, BaddieOnTop}) {
    Put(Position().State(GameState::Running));
    steps.AddPowers(1 - game.State().powers);
    Forget();
    Fill(10, 10, {{0, -1}}, code);
    Give(KeyPress{kKeyUp});
    EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage)) << code;
    EXPECT_TRUE(PlayerAt(10, 10));
  }
}

TEST_F(PlayerTest, ArrowTowardsABaddieWithoutPowersEndsTheGame) {
  steps.AddPowers(-1);
  Fill(10, 10, {{-1, 0}}, Bad);
  Give(KeyPress{kKeyLeft});
  EXPECT_EQ(Said(), ConfirmLine(kGameOverQuestion, "C"));
  EXPECT_EQ(game.State().state, GameState::GameOver);
  EXPECT_TRUE(PlayerAt(0, 0));
  EXPECT_EQ(At(10, 10), Dirt);  // the trail of level 1
}

TEST_F(PlayerTest, BadBaddieOnThePlayersCellCatchesAtTheNextArrow) {
  Fill(10, 10, {{0, 0}}, Bad);
  Give(KeyPress{kKeyRight});
  EXPECT_EQ(Said(), InfoLine(kSecondChanceMessage));
  EXPECT_EQ(game.State().powers, 0);
  // The second chance lets the move go on: the step uses the plain tile set.
  EXPECT_TRUE(PlayerAt(11, 10));
  EXPECT_EQ(At(11, 10), PlayerRight);
  EXPECT_EQ(At(10, 10), Dirt);
}

TEST_F(PlayerTest, EachRemainsGiveOnePower) {
  steps.AddPowers(-1);
  Put(Position().Cell(10, 10, PlayerRight));
  Fill(10, 10, {{1, 0}}, Remains);
  Fill(10, 10, {{2, 0}}, RemainsCooling);
  Fill(10, 10, {{3, 0}}, RemainsCold);
  Put(Position().Mark(11, 10, 3));
  Give(KeyPress{kKeyRight});
  EXPECT_EQ(game.State().powers, 1);
  EXPECT_EQ(At(11, 10), PlayerRight);  // the tile was chosen before the Power came
  EXPECT_EQ(MarkAt(11, 10), 3);
  Give(KeyPress{kKeyRight});
  EXPECT_EQ(game.State().powers, 2);
  EXPECT_EQ(At(12, 10), PoweredRight);
  Give(KeyPress{kKeyRight});
  EXPECT_EQ(game.State().powers, 3);
  EXPECT_EQ(Label(1), "Powers : 3");
}

TEST_F(PlayerTest, GlideWalksToTheLastFreeCellEatingOnTheWay) {
  ClearBoard(Dirt);
  PlacePlayer(3, 10, PlayerRight);
  Put(Position().TrailTile(Dirt));
  steps.AddPowers(-1);
  Fill(3, 10, {{3, 0}}, Remains);
  Fill(3, 10, {{6, 0}}, HardBrick);
  Put(Position().Glide(true));
  Give(KeyPress{kKeyRight});
  EXPECT_TRUE(PlayerAt(8, 10));
  EXPECT_EQ(game.State().powers, 1);
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
  Put(Position().SlowTicks(7));
  Give(KeyPress{kKeySpace});
  EXPECT_EQ(At(9, 10), SoftBrick);
  for (int c = 5; c <= 8; ++c) {
    EXPECT_EQ(At(c, 10), Blank) << c;
  }
  EXPECT_EQ(BricksIn(game.State().hardenQueue), (std::vector<std::string>{"9 10 7"}));
  EXPECT_TRUE(PlayerAt(4, 10));
}

TEST_F(PlayerTest, SoftBrickThatCannotMoveIsNotQueued) {
  Put(Position().Cell(10, 10, PlayerRight));
  Fill(10, 10, {{1, 0}}, SoftBrick);
  Fill(10, 10, {{2, 0}}, HardBrick);
  Give(KeyPress{kKeySpace});
  EXPECT_EQ(At(11, 10), SoftBrick);
  EXPECT_EQ(game.State().hardenQueue.count(), 0);
}

TEST_F(PlayerTest, SoftBrickStoppedByAnythingButAWallIsNotQueued) {
  Put(Position().Cell(10, 10, PlayerRight));
  Fill(10, 10, {{1, 0}}, SoftBrick);
  Fill(10, 10, {{5, 0}}, Remains);
  Fill(10, 10, {{4, 1}}, VeryBad);  // a baddie just hatched is not a wall cell
  Give(KeyPress{kKeySpace});
  EXPECT_EQ(At(14, 10), SoftBrick);
  EXPECT_EQ(game.State().hardenQueue.count(), 0);
}

TEST_F(PlayerTest, SoftBrickStoppedNextToAnyWallCellIsQueued) {
  for (std::int32_t wall : {NestSW, Hatch0NE, Hatch3SE, BaddieOnTop}) {
    ClearBoard();
    PlacePlayer(10, 10, PlayerRight);
    Fill(10, 10, {{1, 0}}, SoftBrick);
    Fill(10, 10, {{5, 0}}, Remains);
    Fill(10, 10, {{4, -1}}, wall);
    Give(KeyPress{kKeySpace});
    EXPECT_EQ(BricksIn(game.State().hardenQueue), (std::vector<std::string>{"14 10 0"})) << wall;
  }
}

TEST_F(PlayerTest, PushedHardBrickQueuesItsSoftNeighbours) {
  Put(Position().Cell(10, 10, PlayerUp));
  Fill(10, 10, {{0, -1}}, HardBrick);
  Fill(10, 5, {{0, -1}, {1, 0}, {-1, 0}}, SoftBrick);  // stops at (10, 5)
  Give(KeyPress{kKeySpace});
  EXPECT_EQ(At(10, 5), HardBrick);
  for (int r = 6; r <= 9; ++r) {
    EXPECT_EQ(At(10, r), Blank) << r;
  }
  EXPECT_EQ(BricksIn(game.State().hardenQueue),
            (std::vector<std::string>{"11 5 0", "9 5 0", "10 4 0"}));
}

TEST_F(PlayerTest, PushedDirtLeavesBlankBehindAndDirtAtTheFarEnd) {
  ClearBoard(Dirt);
  PlacePlayer(4, 10, PlayerRight);
  Give(KeyPress{kKeySpace});
  for (int c = 5; c <= 19; ++c) {
    EXPECT_EQ(At(c, 10), Blank) << c;
  }
  EXPECT_EQ(At(20, 10), Dirt);
  EXPECT_EQ(At(21, 10), Border);
}

TEST_F(PlayerTest, PushedBaddieTileMovesWithoutItsRecordOrMark) {
  Put(Position().Cell(10, 10, PlayerRight));
  steps.SpawnBaddie(11, 10, BaddieKind::Bad);
  Put(Position().Mark(11, 10, 4));
  Fill(10, 10, {{4, 0}}, Remains);
  Give(KeyPress{kKeySpace});
  EXPECT_EQ(At(13, 10), Bad);
  EXPECT_EQ(At(11, 10), Blank);
  EXPECT_EQ(MarkAt(11, 10), 4);
  EXPECT_EQ(MarkAt(13, 10), 0);
  EXPECT_EQ(BaddiesIn(game.State().badQueue), (std::vector<std::string>{"11 10 0 0 B 0 0 0"}));
}

TEST_F(PlayerTest, SmashWithoutPowersDoesNothing) {
  steps.AddPowers(-1);
  Fill(10, 10, {{0, -1}}, SoftBrick);
  Give(KeyPress{kKeyB});
  EXPECT_EQ(At(10, 9), SoftBrick);
  EXPECT_EQ(game.State().powers, 0);
  EXPECT_FALSE(game.State().smashing);
}

TEST_F(PlayerTest, SmashOnBlankFloorSpendsAPowerForNothing) {
  const Board::Layer before = game.State().board.tiles;
  Give(KeyPress{kKeyB});
  EXPECT_EQ(game.State().powers, 0);
  EXPECT_TRUE(game.State().smashing);
  EXPECT_EQ(game.State().smashQueue.count(), 0);
  EXPECT_EQ(game.State().board.tiles, before);
}

TEST_F(PlayerTest, SmashedBrickIsAnimatedAwayAndNothingIsQueued) {
  for (std::int32_t brick : {SoftBrick, HardBrick}) {
    steps.AddPowers(1);
    Fill(10, 10, {{0, -1}}, brick);
    Fill(10, 8, {{0, 0}, {1, 1}}, SoftBrick);
    Forget();
    Give(KeyPress{kKeyB});
    EXPECT_EQ(At(10, 9), Blank);
    EXPECT_EQ(game.State().powers, 1) << brick;
    EXPECT_EQ(host.DrawnAt(10, 9).size(), 37u);
    EXPECT_FALSE(game.State().smashing);
    EXPECT_EQ(game.State().hardenQueue.count(), 0);
    EXPECT_EQ(game.State().smashQueue.count(), 0);
  }
}

TEST_F(PlayerTest, SmashOnANestQuarterQueuesItForOnePower) {
  steps.AddPowers(2);
  Fill(10, 9, {{0, 0}}, Hatch2SE);
  Give(KeyPress{kKeyB});
  EXPECT_EQ(game.State().powers, 2);
  EXPECT_TRUE(game.State().smashing);
  EXPECT_EQ(BricksIn(game.State().smashQueue), (std::vector<std::string>{"10 9 0"}));
  EXPECT_EQ(At(10, 9), Hatch2SE);  // the smash step takes it later
}

TEST_F(PlayerTest, ClickTurnsAPlainPlayerTileClockwise) {
  std::vector<std::int32_t> seen;
  for (int i = 0; i < 4; ++i) {
    Give(BoardClick{10, 10});
    seen.push_back(At(10, 10));
  }
  EXPECT_EQ(seen, (std::vector<std::int32_t>{PlayerRight, PlayerDown, PlayerLeft, PlayerUp}));
  Put(Position().Cell(10, 10, PoweredUp));
  Give(BoardClick{10, 10});
  EXPECT_EQ(At(10, 10), PoweredUp);
  Put(Position().Cell(3, 3, PlayerLeft));  // not the player's cell: turned all the same
  Give(BoardClick{3, 3});
  EXPECT_EQ(At(3, 3), PlayerUp);
  const Board::Layer before = game.State().board.tiles;
  Give(BoardClick{-1, 4});
  Give(BoardClick{22, 0});
  EXPECT_EQ(game.State().board.tiles, before);
}

TEST_F(PlayerTest, ClickedFacingIsUsedByTheNextPush) {
  Put(Position().Cell(10, 10, PlayerLeft));
  Fill(10, 10, {{-1, 0}, {0, -1}}, SoftBrick);
  Give(BoardClick{10, 10});  // now facing up
  Give(KeyPress{kKeySpace});
  EXPECT_EQ(At(9, 10), SoftBrick);
  EXPECT_EQ(At(10, 9), Blank);
  EXPECT_EQ(At(10, 1), SoftBrick);
}

TEST_F(PlayerTest, WithoutAPlayerArrowsAndPushDoNothingAndSmashHitsTheCorner) {
  Give(MenuChoice{MenuCommand::Auto});
  const Board::Layer before = game.State().board.tiles;
  Give(KeyPress{kKeyUp});
  Give(KeyPress{kKeySpace});
  EXPECT_EQ(game.State().board.tiles, before);
  Give(KeyPress{kKeyB});
  EXPECT_EQ(game.State().powers, 0);
  EXPECT_TRUE(game.State().smashing);
  EXPECT_EQ(game.State().board.tiles, before);
}

}  // namespace
}  // namespace stonewick::testing
