// The invariant checker used by the fuzzers and the soak: it passes the game as it starts
// and flags each kind of damage it exists to catch.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/support/checked_session.h"

namespace stonewick::testing {
namespace {

class InvariantsTest : public ::testing::Test {
 protected:
  bool Flags(const std::string& what) {
    const std::string faults = CheckState(replay);
    return faults.find(what) != std::string::npos;
  }

  std::ostream sink{nullptr};
  Replay replay{sink};
  Game& game = GameOf(replay);
};

TEST_F(InvariantsTest, GameAtItsStartingPointHoldsThemAll) {
  EXPECT_EQ(CheckState(replay), "");
}

TEST_F(InvariantsTest, CellCodeOutsideTheTileSetIsFlagged) {
  game.board.tiles[4][5] = kCellCodeCount;
  EXPECT_TRUE(Flags("cell 4 5 holds code 39"));
}

TEST_F(InvariantsTest, CountThatDisagreesWithTheNodesIsFlagged) {
  game.badQueue.Links().count += 1;
  EXPECT_TRUE(Flags("bad: count 3 but 2 oldest-first and 2 newest-first"));
  game.badQueue.Links().count -= 1;
}

TEST_F(InvariantsTest, BrokenBackLinkIsFlagged) {
  ListNode* second = game.badQueue.Links().newest;
  ListNode* first = second->older;
  second->older = nullptr;
  EXPECT_TRUE(Flags("bad: a newer link does not point back"));
  second->older = first;
}

TEST_F(InvariantsTest, NodeHeldByTwoListsIsFlagged) {
  RecordList& veryBad = game.veryBadQueue.Links();
  veryBad.newest = game.badQueue.Links().newest;
  veryBad.oldest = game.badQueue.Links().newest;
  veryBad.count = 1;
  EXPECT_TRUE(Flags("a node is held by two lists"));
  veryBad = RecordList{};
  Create(veryBad, "", sizeof(Baddie), 'Q');
}

TEST_F(InvariantsTest, CursorLeftOnANodeIsFlagged) {
  Baddie peek{};
  Next(game.badQueue.Links(), &peek);
  EXPECT_TRUE(Flags("bad: cursor left on a node between events"));
}

TEST_F(InvariantsTest, RecordInTheListModulesOwnListIsFlagged) {
  const std::int32_t number = 7;
  Add(SessionTestAccess::Lists(replay.MutableSession()).integers, &number);
  EXPECT_TRUE(Flags("the list module's own list 'integers' holds records"));
}

TEST_F(InvariantsTest, BaddieOffTheBoardIsFlagged) {
  const Baddie outside{22, 3, 0, 0, BaddieKind::Bad, 0, Blank, 0};
  game.badQueue.Add(outside);
  EXPECT_TRUE(Flags("bad: bad record 22 3 0 0 66 0 0 0"));
}

TEST_F(InvariantsTest, DiagonalMoveIsFlagged) {
  const Baddie diagonal{3, 3, 1, 1, BaddieKind::Bad, 1, Blank, 0};
  game.badQueue.Add(diagonal);
  EXPECT_TRUE(Flags("bad: bad record 3 3 1 1"));
}

TEST_F(InvariantsTest, BadBaddieInTheVeryBadListIsFlagged) {
  const Baddie plain{3, 3, 0, 0, BaddieKind::Bad, 0, Blank, 0};
  game.veryBadQueue.Add(plain);
  EXPECT_TRUE(Flags("verybad: a record of kind 66"));
}

TEST_F(InvariantsTest, PowersLabelThatLagsIsFlagged) {
  game.powers = 4;
  game.playerTiles = {PoweredUp, PoweredDown, PoweredLeft, PoweredRight};
  EXPECT_TRUE(Flags("Powers label reads 'Powers : 1', not 'Powers : 4'"));
}

TEST_F(InvariantsTest, RunningWithTheTimersOffIsFlagged) {
  game.running = true;
  EXPECT_TRUE(Flags("running 1 with timers 000"));
}

TEST_F(InvariantsTest, TickGuardLeftSetIsFlagged) {
  game.tickBusy = true;
  EXPECT_TRUE(Flags("tickBusy left set"));
}

TEST_F(InvariantsTest, AtLargeLabelMustFollowAKill) {
  InvariantChecker checker;
  checker.Before(replay);
  // Written during the event, but wrong.
  SessionTestAccess::SetShownReadout(replay.MutableSession(), Readout::AtLarge, "At large : 7");
  EXPECT_EQ(checker.After(replay, false),
            "At large label reads 'At large : 7', not 'At large : 2'; ");
}

TEST_F(InvariantsTest, AtLargeLabelKeepsItsFigureAfterSkipPastTheLastLevel) {
  InvariantChecker checker;
  std::string error;
  for (const char* line : {"menu skip", "menu skip", "menu skip", "menu skip", "menu skip"}) {
    checker.Before(replay);
    ASSERT_TRUE(replay.RunLine(line, error));
    ASSERT_EQ(checker.After(replay, true), "");
  }
  EXPECT_EQ(replay.session().Shown().labels[4], "At large : 100");
  EXPECT_EQ(game.badQueue.count(), 0);
}

TEST_F(InvariantsTest, RejectedLineIsReportedAndChangesNothing) {
  CheckedSession session(sink);
  EXPECT_FALSE(session.Play("wait 86400001"));
  EXPECT_EQ(session.error, "'wait': wait must be 0 to 86400000 ms, not '86400001'");
  EXPECT_EQ(session.fault, "");
}

TEST_F(InvariantsTest, WaitsPastTheBudgetArePassedOver) {
  CheckedSession session(sink, 1000);
  EXPECT_TRUE(session.Play("wait 600"));
  EXPECT_TRUE(session.Play("wait 600"));
  EXPECT_EQ(session.replay.script().clock.nowMs, 600);
  EXPECT_TRUE(session.skippedWaits);
}

}  // namespace
}  // namespace stonewick::testing
