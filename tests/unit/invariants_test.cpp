// The invariant checker used by the fuzzers and the soak: it passes the game as it starts
// and flags each kind of damage it exists to catch.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/support/checked_session.h"
#include "tests/support/position_builder.h"

namespace stonewick::testing {
namespace {

class InvariantsTest : public ::testing::Test {
 protected:
  bool Flags(const std::string& what) {
    const std::string faults = CheckState(replay);
    return faults.find(what) != std::string::npos;
  }

  // A queue's own links, damaged in place on purpose: a position put through the builder is a
  // copy, which would mend them.
  template <typename Record>
  static RecordList& LinksOf(const Queue<Record>& queue) {
    return const_cast<Queue<Record>&>(queue).Links();
  }
  void Put(const PositionBuilder& position) { testing::Put(replay.MutableSession(), position); }
  PositionBuilder Position() const { return PositionBuilder(replay.session()); }

  std::ostream sink{nullptr};
  Replay replay{sink};
  const PlayState& game = replay.game();
};

TEST_F(InvariantsTest, GameAtItsStartingPointHoldsThemAll) {
  EXPECT_EQ(CheckState(replay), "");
}

TEST_F(InvariantsTest, CellCodeOutsideTheTileSetIsFlagged) {
  Put(Position().Cell(4, 5, kCellCodeCount));
  EXPECT_TRUE(Flags("cell 4 5 holds code 39"));
}

TEST_F(InvariantsTest, CountThatDisagreesWithTheNodesIsFlagged) {
  LinksOf(game.badQueue).count += 1;
  EXPECT_TRUE(Flags("bad: count 3 but 2 oldest-first and 2 newest-first"));
  LinksOf(game.badQueue).count -= 1;
}

TEST_F(InvariantsTest, BrokenBackLinkIsFlagged) {
  ListNode* second = LinksOf(game.badQueue).newest;
  ListNode* first = second->older;
  second->older = nullptr;
  EXPECT_TRUE(Flags("bad: a newer link does not point back"));
  second->older = first;
}

TEST_F(InvariantsTest, NodeHeldByTwoListsIsFlagged) {
  RecordList& veryBad = LinksOf(game.veryBadQueue);
  veryBad.newest = LinksOf(game.badQueue).newest;
  veryBad.oldest = LinksOf(game.badQueue).newest;
  veryBad.count = 1;
  EXPECT_TRUE(Flags("a node is held by two lists"));
  veryBad = RecordList{};
  Create(veryBad, "", sizeof(Baddie), 'Q');
}

TEST_F(InvariantsTest, CursorLeftOnANodeIsFlagged) {
  Baddie peek{};
  Next(LinksOf(game.badQueue), &peek);
  EXPECT_TRUE(Flags("bad: cursor left on a node between events"));
}

TEST_F(InvariantsTest, RecordInTheListModulesOwnListIsFlagged) {
  const std::int32_t number = 7;
  Add(SessionTestAccess::Lists(replay.MutableSession()).integers, &number);
  EXPECT_TRUE(Flags("the list module's own list 'integers' holds records"));
}

TEST_F(InvariantsTest, BaddieOffTheBoardIsFlagged) {
  const Baddie outside{22, 3, 0, 0, BaddieKind::Bad, 0, Blank, 0};
  Put(Position().BadRecord(outside));
  EXPECT_TRUE(Flags("bad: bad record 22 3 0 0 66 0 0 0"));
}

TEST_F(InvariantsTest, DiagonalMoveIsFlagged) {
  const Baddie diagonal{3, 3, 1, 1, BaddieKind::Bad, 1, Blank, 0};
  Put(Position().BadRecord(diagonal));
  EXPECT_TRUE(Flags("bad: bad record 3 3 1 1"));
}

TEST_F(InvariantsTest, BadBaddieInTheVeryBadListIsFlagged) {
  const Baddie plain{3, 3, 0, 0, BaddieKind::Bad, 0, Blank, 0};
  Put(Position().VeryBadRecord(plain));
  EXPECT_TRUE(Flags("verybad: a record of kind 66"));
}

TEST_F(InvariantsTest, PowersLabelThatLagsIsFlagged) {
  Put(Position().Powers(4).PlayerTiles({PoweredUp, PoweredDown, PoweredLeft, PoweredRight}));
  EXPECT_TRUE(Flags("Powers label reads 'Powers : 1', not 'Powers : 4'"));
}

TEST_F(InvariantsTest, RunningWithTheTimersOffIsFlagged) {
  Put(Position().Running(true));
  EXPECT_TRUE(Flags("running 1 with timers 000"));
}

TEST_F(InvariantsTest, TickGuardLeftSetIsFlagged) {
  Put(Position().TickBusy(true));
  EXPECT_TRUE(Flags("tickBusy left set"));
}

TEST_F(InvariantsTest, AtLargeLabelMustFollowAKill) {
  InvariantChecker checker;
  checker.Before(replay);
  // Written during the event, but wrong.
  SessionTestAccess::SetShownReadout(replay.MutableSession(), Readout::AtLarge,
                                     {ReadoutCaption::AtLarge, 7});
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
