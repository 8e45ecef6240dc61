// The record list as a queue and as a stack: order of records, the walking cursor, the
// links it keeps, emptying, names, bad kinds, the largest record, and a list that is full.
#include "lists/record_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace stonewick {
namespace {

RecordList MakeList(char kind, std::uint16_t elemSize = sizeof(std::int32_t)) {
  RecordList list;
  Create(list, "", elemSize, kind);
  return list;
}

void AddAll(RecordList& list, std::initializer_list<std::int32_t> values) {
  for (std::int32_t v : values) {
    ASSERT_TRUE(Add(list, &v));
  }
}

std::vector<std::int32_t> TakeAll(RecordList& list) {
  std::vector<std::int32_t> values;
  std::int32_t v = 0;
  while (values.size() < 100 && Take(list, &v)) {
    values.push_back(v);
  }
  return values;
}

std::int32_t ValueOf(const ListNode* node) {
  return *static_cast<const std::int32_t*>(RecordOf(node));
}

class RecordListTest : public ::testing::Test {
 protected:
  void TearDown() override {
    std::int32_t scratch = 0;
    Clear(queue, &scratch);
    Clear(stack, &scratch);
  }
  RecordList queue = MakeList('Q');
  RecordList stack = MakeList('S');
};

TEST(RecordListCreate, SetsSizesKindAndAnEmptyList) {
  RecordList list;
  Create(list, "bricks", 12, 'Q');
  EXPECT_EQ(list.newest, nullptr);
  EXPECT_EQ(list.oldest, nullptr);
  EXPECT_EQ(list.cursor, nullptr);
  EXPECT_EQ(list.count, 0);
  EXPECT_EQ(list.elemSize, 12);
  EXPECT_EQ(list.kind, 'Q');
  EXPECT_EQ(Name(list), "bricks");
}

TEST(RecordListCreate, KeepsTheFirstTwentyCharactersOfTheName) {
  RecordList list;
  Create(list, "abcdefghijklmnopqrstuvwxy", 4, 'S');
  EXPECT_EQ(Name(list), "abcdefghijklmnopqrst");
  Create(list, "", 4, 'S');
  EXPECT_EQ(Name(list), "");
}

TEST_F(RecordListTest, TakeOnAnEmptyListFailsAndLeavesTheBufferAlone) {
  std::int32_t buffer = 1234;
  EXPECT_FALSE(Take(queue, &buffer));
  EXPECT_FALSE(Take(stack, &buffer));
  EXPECT_EQ(buffer, 1234);
  Clear(queue, &buffer);
  EXPECT_EQ(queue.count, 0);
  EXPECT_EQ(buffer, 1234);
}

TEST_F(RecordListTest, QueueGivesRecordsBackInTheOrderAdded) {
  AddAll(queue, {1, 2, 3});
  EXPECT_EQ(queue.count, 3);
  EXPECT_EQ(TakeAll(queue), (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(queue.count, 0);
}

TEST_F(RecordListTest, StackGivesRecordsBackNewestFirst) {
  AddAll(stack, {1, 2, 3});
  EXPECT_EQ(TakeAll(stack), (std::vector<std::int32_t>{3, 2, 1}));
}

TEST_F(RecordListTest, LinksRunBothWaysInTheOrderAdded) {
  AddAll(queue, {1, 2, 3});
  EXPECT_EQ(ValueOf(queue.oldest), 1);
  EXPECT_EQ(ValueOf(queue.newest), 3);
  EXPECT_EQ(ValueOf(queue.oldest->newer), 2);
  EXPECT_EQ(queue.oldest->newer->newer, queue.newest);
  EXPECT_EQ(queue.newest->newer, nullptr);
  EXPECT_EQ(queue.oldest->older, nullptr);
  EXPECT_EQ(ValueOf(queue.newest->older), 2);
  EXPECT_EQ(queue.newest->older->older, queue.oldest);
}

TEST_F(RecordListTest, TakeAfterNextRemovesTheFollowingRecordAndResetsTheCursor) {
  AddAll(queue, {1, 2, 3});
  std::int32_t v = 0;
  ASSERT_TRUE(Next(queue, &v));
  EXPECT_EQ(v, 1);
  ASSERT_TRUE(Take(queue, &v));
  EXPECT_EQ(v, 2);
  EXPECT_EQ(queue.count, 2);
  EXPECT_EQ(queue.cursor, nullptr);
  EXPECT_EQ(TakeAll(queue), (std::vector<std::int32_t>{1, 3}));
}

TEST_F(RecordListTest, NextPastTheEndStaysOnTheLastNode) {
  AddAll(queue, {1, 2});
  AddAll(stack, {1, 2});
  std::int32_t v = 0;
  ASSERT_TRUE(Next(queue, &v));
  ASSERT_TRUE(Next(queue, &v));
  v = 99;
  EXPECT_FALSE(Next(queue, &v));
  EXPECT_EQ(v, 99);
  EXPECT_EQ(queue.cursor, queue.newest);
  AddAll(queue, {3});  // a queue's walk goes on to a record added later
  ASSERT_TRUE(Next(queue, &v));
  EXPECT_EQ(v, 3);

  ASSERT_TRUE(Next(stack, &v));
  ASSERT_TRUE(Next(stack, &v));
  EXPECT_EQ(v, 1);
  EXPECT_FALSE(Next(stack, &v));
  EXPECT_EQ(stack.cursor, stack.oldest);
  AddAll(stack, {3});  // a stack's walk does not start again at the new end
  EXPECT_FALSE(Next(stack, &v));
}

TEST_F(RecordListTest, AddDuringAWalkDoesNotMoveTheCursor) {
  AddAll(queue, {1, 2});
  std::int32_t v = 0;
  ASSERT_TRUE(Next(queue, &v));
  ListNode* const at = queue.cursor;
  AddAll(queue, {3});
  EXPECT_EQ(queue.cursor, at);
  std::vector<std::int32_t> walked{v};
  while (Next(queue, &v)) {
    walked.push_back(v);
  }
  EXPECT_EQ(walked, (std::vector<std::int32_t>{1, 2, 3}));
}

TEST_F(RecordListTest, RemovingTheOnlyNodeEmptiesTheList) {
  AddAll(queue, {7});
  EXPECT_EQ(queue.newest, queue.oldest);
  std::int32_t v = 0;
  ASSERT_TRUE(Take(queue, &v));
  EXPECT_EQ(queue.newest, nullptr);
  EXPECT_EQ(queue.oldest, nullptr);
  EXPECT_EQ(queue.cursor, nullptr);
  EXPECT_EQ(queue.count, 0);
  AddAll(queue, {8});
  EXPECT_NE(queue.newest, nullptr);
  EXPECT_EQ(queue.newest, queue.oldest);
  EXPECT_EQ(ValueOf(queue.oldest), 8);
}

TEST_F(RecordListTest, DeleteAtCursorRemovesAMiddleNodeAndJoinsItsNeighbours) {
  AddAll(stack, {1, 2, 3});
  std::int32_t v = 0;
  DeleteAtCursor(stack);  // no cursor yet: nothing happens
  EXPECT_EQ(stack.count, 3);
  ASSERT_TRUE(Next(stack, &v));
  ASSERT_TRUE(Next(stack, &v));
  EXPECT_EQ(v, 2);
  DeleteAtCursor(stack);
  EXPECT_EQ(stack.cursor, nullptr);
  EXPECT_EQ(stack.count, 2);
  EXPECT_EQ(stack.newest->older, stack.oldest);
  EXPECT_EQ(stack.oldest->newer, stack.newest);
  EXPECT_EQ(TakeAll(stack), (std::vector<std::int32_t>{3, 1}));
}

TEST_F(RecordListTest, ClearFreesEveryRecordWhenAWalkEndedOnTheLastNode) {
  AddAll(queue, {1, 2, 3});
  AddAll(stack, {1, 2, 3});
  std::int32_t v = 0;
  while (Next(queue, &v)) {
  }
  while (Next(stack, &v)) {
  }
  ASSERT_EQ(queue.cursor, queue.newest);
  ASSERT_EQ(stack.cursor, stack.oldest);
  Clear(queue, &v);
  Clear(stack, &v);
  for (const RecordList* list : {&queue, &stack}) {
    EXPECT_EQ(list->count, 0);
    EXPECT_EQ(list->newest, nullptr);
    EXPECT_EQ(list->oldest, nullptr);
    EXPECT_EQ(list->cursor, nullptr);
  }
  AddAll(queue, {4, 5});
  AddAll(stack, {4, 5});
  EXPECT_EQ(TakeAll(queue), (std::vector<std::int32_t>{4, 5}));
  EXPECT_EQ(TakeAll(stack), (std::vector<std::int32_t>{5, 4}));
}

TEST(RecordListKind, OtherKindAcceptsRecordsButNeverGivesThemBack) {
  RecordList list = MakeList('X');
  AddAll(list, {1, 2});
  EXPECT_EQ(list.count, 2);
  std::int32_t v = 5;
  EXPECT_FALSE(Next(list, &v));
  EXPECT_FALSE(Take(list, &v));
  Clear(list, &v);
  EXPECT_EQ(list.count, 2);
  EXPECT_EQ(v, 5);
  // Empty it by hand so that nothing leaks.
  list.kind = 'Q';
  Clear(list, &v);
  EXPECT_EQ(list.count, 0);
}

TEST(RecordListRecords, AreCopiedByteForByte) {
  struct Wide {
    std::int32_t a;
    std::int32_t b;
    std::int32_t c;
  };
  RecordList list = MakeList('Q', sizeof(Wide));
  Wide in{-1, 0x12345678, 42};
  ASSERT_TRUE(Add(list, &in));
  in.a = 0;  // the list holds its own copy
  Wide out{};
  ASSERT_TRUE(Take(list, &out));
  EXPECT_EQ(out.a, -1);
  EXPECT_EQ(out.b, 0x12345678);
  EXPECT_EQ(out.c, 42);
}

TEST(RecordListRecords, OfTheLargestSizeComeBackWhole) {
  constexpr std::uint16_t kLargest = 65535;
  RecordList list = MakeList('Q', kLargest);
  std::vector<unsigned char> in(kLargest);
  for (std::size_t i = 0; i < in.size(); ++i) {
    in[i] = static_cast<unsigned char>(i * 7 + 1);
  }
  ASSERT_TRUE(Add(list, in.data()));
  std::vector<unsigned char> out(kLargest, 0);
  ASSERT_TRUE(Take(list, out.data()));
  EXPECT_EQ(out, in);
  EXPECT_EQ(list.count, 0);
}

TEST(RecordListLimit, FullListRefusesTheNextRecord) {
  RecordList list = MakeList('Q');
  for (std::int32_t i = 0; i < 65535; ++i) {
    ASSERT_TRUE(Add(list, &i));
  }
  EXPECT_EQ(list.count, 65535);
  std::int32_t extra = -1;
  EXPECT_FALSE(Add(list, &extra));
  EXPECT_EQ(list.count, 65535);
  EXPECT_EQ(ValueOf(list.newest), 65534);
  std::int32_t v = 0;
  ASSERT_TRUE(Take(list, &v));
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(Add(list, &extra));  // room again after one is taken
  EXPECT_EQ(list.count, 65535);
  EXPECT_EQ(ValueOf(list.newest), -1);
  Clear(list, &v);
  EXPECT_EQ(list.count, 0);
  EXPECT_EQ(v, -1);
}

}  // namespace
}  // namespace stonewick
