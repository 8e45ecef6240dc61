// The generator's fixed sequences, the range draws built on it and the pause cap. Level 1
// and the baddies' moves depend on these numbers exactly.
#include "lib/random.h"

#include <gtest/gtest.h>

#include <vector>

#include "lib/pause.h"

namespace stonewick {
namespace {

std::vector<std::uint32_t> FiveBelowHundred(std::uint32_t seed) {
  Random random{seed};
  std::vector<std::uint32_t> values;
  for (int i = 0; i < 5; ++i) {
    values.push_back(random.RandomBelow(100));
  }
  return values;
}

TEST(Random, FiveDrawsBelowHundredFromSeedZero) {
  EXPECT_EQ(FiveBelowHundred(0), (std::vector<std::uint32_t>{0, 3, 86, 20, 27}));
}

TEST(Random, FiveDrawsBelowHundredFromSeedTwo) {
  EXPECT_EQ(FiveBelowHundred(2), (std::vector<std::uint32_t>{6, 69, 54, 34, 7}));
}

TEST(Random, EightCoinFlipsFromSeedZero) {
  Random random{0};
  std::vector<bool> flips;
  for (int i = 0; i < 8; ++i) {
    flips.push_back(random.CoinFlip());
  }
  EXPECT_EQ(flips, (std::vector<bool>{true, true, false, true, true, false, true, true}));
  EXPECT_EQ(random.randomSeed, 694906232u);  // eight steps, one per flip
}

TEST(Random, StepMultipliesAndAddsOneBeforeTheResultIsFormed) {
  Random random{0};
  random.RandomBelow(10);
  EXPECT_EQ(random.randomSeed, 1u);
  random.RandomBelow(10);
  EXPECT_EQ(random.randomSeed, 134775814u);
  random.randomSeed = 0xFFFFFFFFu;  // wraps modulo 2^32
  random.RandomBelow(10);
  EXPECT_EQ(random.randomSeed, 0xFFFFFFFFu * 134775813u + 1u);
}

TEST(Random, BelowTakesTheHighHalfOfTheProduct) {
  Random random{0x40000000u};  // next state 0x40000001, as the multiplier is 1 modulo 4
  EXPECT_EQ(random.RandomBelow(0x10000), 0x4000u);
  EXPECT_EQ(random.RandomBelow(0xFFFFFFFFu), 1208517637u);  // state 1208517638
  Random zero{5};
  EXPECT_EQ(zero.RandomBelow(0), 0u);
  EXPECT_EQ(zero.randomSeed, 5u * 134775813u + 1u);  // still one step
}

TEST(Random, EmptyOrSingleRangeDrawsNothing) {
  Random random{77};
  EXPECT_EQ(random.RandomBetween(5, 5), 5);
  EXPECT_EQ(random.RandomBetween(7, 3), 0);
  EXPECT_EQ(random.RandomBetween(-4, -9), 0);
  EXPECT_EQ(random.randomSeed, 77u);
}

TEST(Random, BetweenIsLowPlusOneDrawBelowTheWidth) {
  for (std::uint32_t seed : {0u, 2u, 12345u, 0xDEADBEEFu}) {
    Random a{seed};
    Random b{seed};
    EXPECT_EQ(a.RandomBetween(2, 19), 2 + static_cast<std::int32_t>(b.RandomBelow(18)));
    EXPECT_EQ(a.RandomBetween(-3, 3), -3 + static_cast<std::int32_t>(b.RandomBelow(7)));
    EXPECT_EQ(a.randomSeed, b.randomSeed);
  }
}

TEST(Random, BetweenReachesBothEnds) {
  Random random{0};
  bool low = false;
  bool high = false;
  for (int i = 0; i < 100000 && !(low && high); ++i) {
    const std::int32_t v = random.RandomBetween(2, 19);
    ASSERT_GE(v, 2);
    ASSERT_LE(v, 19);
    low = low || v == 2;
    high = high || v == 19;
  }
  EXPECT_TRUE(low);
  EXPECT_TRUE(high);
}

TEST(Random, PercentReachesZeroAndHundred) {
  Random random{0};
  EXPECT_EQ(random.Percent(), 0);  // the first draw from seed 0
  bool hundred = false;
  for (int i = 0; i < 100000 && !hundred; ++i) {
    const std::int32_t v = random.Percent();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 100);
    hundred = v == 100;
  }
  EXPECT_TRUE(hundred);
}

TEST(Pause, IsCappedAtTenSeconds) {
  EXPECT_EQ(CappedPauseMs(0), 0);
  EXPECT_EQ(CappedPauseMs(10), 10);
  EXPECT_EQ(CappedPauseMs(10000), 10000);
  EXPECT_EQ(CappedPauseMs(10001), 10000);
  EXPECT_EQ(CappedPauseMs(2147483647), 10000);
  EXPECT_EQ(CappedPauseMs(-5), 0);
}

}  // namespace
}  // namespace stonewick
