// The headless host and the replay interpreter: virtual timers, the clock label, dialogs
// answered from the queue, and how a script run ends.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/replay.h"

namespace stonewick {
namespace {

std::string RunText(const std::string& script, int* status = nullptr) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunScript(in, out, err);
  if (status != nullptr) {
    *status = code;
  }
  return out.str() + err.str();
}

TEST(ReplayTimers, EnablingAnEnabledTimerKeepsItsDueTime) {
  std::ostringstream out;
  ReplayHost host(out);
  host.SetTimersRunning(true);
  host.nowMs = 100;
  host.SetTimersRunning(true);
  EXPECT_EQ(host.timers[0].due, 150);
  EXPECT_EQ(host.timers[1].due, 400);
  EXPECT_EQ(host.timers[2].due, 400);
}

TEST(ReplayTimers, ANewIntervalRestartsAnEnabledTimerAndTheSameOneDoesNot) {
  std::ostringstream out;
  ReplayHost host(out);
  host.SetTimersRunning(true);
  host.nowMs = 250;
  host.SetBadStepInterval(400);
  EXPECT_EQ(host.timers[2].due, 400);
  host.SetBadStepInterval(100);
  EXPECT_EQ(host.timers[2].due, 350);
  EXPECT_EQ(host.timers[kBadStepTimer].interval, 100);
}

TEST(ReplayTimers, ADisabledTimerTakesItsNewIntervalWhenEnabled) {
  std::ostringstream out;
  ReplayHost host(out);
  host.SetBadStepInterval(600);
  host.nowMs = 1000;
  host.SetTimersRunning(true);
  EXPECT_EQ(host.timers[2].due, 1600);
}

TEST(ReplayTimers, TimersDueTogetherFireInTimerOrderAndKeepTheirRhythm) {
  std::ostringstream out;
  Replay replay(out);
  replay.game.StartCommand();
  replay.Wait(1200);
  // 1200 ms: eight main ticks, three slow ticks, two bad steps (every 600 ms).
  EXPECT_EQ(replay.game.scanCol, 16);
  // At 1200 the main tick fires before the slow timer, so that slow tick waits for 1350.
  EXPECT_EQ(replay.game.slowTicks, 2u);
  EXPECT_TRUE(replay.game.slowTickDue);
  EXPECT_EQ(replay.host.timers[0].due, 1350);
  EXPECT_EQ(replay.host.timers[1].due, 1600);
  EXPECT_EQ(replay.host.timers[2].due, 1800);
  EXPECT_EQ(replay.host.nowMs, 1200);
}

TEST(ReplayTimers, SingleEventsAreIgnoredWhileTheTimersAreOff) {
  std::ostringstream out;
  Replay replay(out);
  replay.DeliverTimer(0);
  replay.DeliverTimer(1);
  EXPECT_EQ(replay.game.scanCol, 0);
  EXPECT_FALSE(replay.game.slowTickDue);
  replay.game.StartCommand();
  replay.DeliverTimer(1);
  replay.DeliverTimer(0);
  EXPECT_EQ(replay.game.scanCol, 2);
  EXPECT_EQ(replay.game.slowTicks, 1u);
  EXPECT_EQ(replay.host.timers[0].due, 150);
}

TEST(ReplayClock, ElapsedTimeShowsAsATimeOfDayThatWrapsAfterADay) {
  std::ostringstream out;
  ReplayHost host(out);
  EXPECT_EQ(host.ClockText(0.0), "00:00:00");
  EXPECT_EQ(host.ClockText(3'723'999.0 / kMsPerDay), "01:02:03");
  EXPECT_EQ(host.ClockText((kMsPerDay + 61'000.0) / kMsPerDay), "00:01:01");
}

TEST(ReplayClock, SeedFromClockTakesTheVirtualMilliseconds) {
  std::ostringstream out;
  ReplayHost host(out);
  host.nowMs = kMsPerDay * 50 + 7;
  EXPECT_EQ(host.ClockReading(), static_cast<std::uint32_t>(kMsPerDay * 50 + 7));
}

TEST(ReplayDialogs, ConfirmTakesQueuedAnswersOldestFirstThenCancel) {
  std::ostringstream out;
  ReplayHost host(out);
  host.answers = {'Y', ' '};
  EXPECT_EQ(host.AskYesNoCancel("one?"), 'Y');
  EXPECT_EQ(host.AskYesNoCancel("two?"), ' ');
  EXPECT_EQ(host.AskYesNoCancel("three?"), 'C');
  EXPECT_EQ(out.str(), "confirm \"one?\" Y\nconfirm \"two?\" none\nconfirm \"three?\" C\n");
}

TEST(ReplayDialogs, InfoPrintsTheMessageAsGivenWithoutEscaping) {
  std::ostringstream out;
  ReplayHost host(out);
  host.ShowMessage("red & \"yellow\"");
  EXPECT_EQ(out.str(), "info \"red & \"yellow\"\"\n");
}

TEST(ReplayScript, ExitEndsTheRunAndTheRestIsNotRead) {
  int status = -1;
  EXPECT_EQ(RunText("menu exit\nbogus\ndump\n", &status), "closed\n");
  EXPECT_EQ(status, 0);
}

TEST(ReplayScript, BlankAndCommentLinesAreSkipped) {
  int status = -1;
  EXPECT_EQ(RunText("\n   \t\n  # a comment\n#\n", &status), "");
  EXPECT_EQ(status, 0);
}

TEST(ReplayScript, CarriageReturnsAtLineEndsAndTabsSeparateWords) {
  int status = -1;
  RunText("seed\t7\r\nkey 38\r\n", &status);
  EXPECT_EQ(status, 0);
}

TEST(ReplayScript, ABadLineNamesItsNumberAndRunsNothing) {
  int status = -1;
  const std::string output = RunText("seed 5\n\nwait 86400001\n", &status);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(output,
            "stonewick-replay: line 3: 'wait': wait must be 0 to 86400000 ms, not '86400001'\n");
}

TEST(ReplayScript, NumbersCarryNoSignButClicksMay) {
  int status = -1;
  RunText("click -3 -400000000000000000000\nclick 99999999999999999999 0\n", &status);
  EXPECT_EQ(status, 0);
  RunText("key +38\n", &status);
  EXPECT_EQ(status, 2);
  RunText("seed -1\n", &status);
  EXPECT_EQ(status, 2);
  RunText("click 1.5 2\n", &status);
  EXPECT_EQ(status, 2);
}

TEST(ReplayScript, InstructionsLeaveTheGeneratorWhereItWas) {
  std::ostringstream out;
  Replay replay(out);
  std::string error;
  ASSERT_TRUE(replay.RunLine("wait 12345", error));
  const std::uint32_t seed = replay.game.random.randomSeed;
  ASSERT_TRUE(replay.RunLine("menu instructions", error));
  EXPECT_TRUE(replay.instructionsOpen);
  ASSERT_TRUE(replay.RunLine("close instructions", error));
  EXPECT_FALSE(replay.instructionsOpen);
  EXPECT_EQ(replay.game.random.randomSeed, seed);
}

}  // namespace
}  // namespace stonewick
