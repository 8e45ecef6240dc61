// The headless host and the replay interpreter: virtual timers, the clock label, dialogs
// answered from the queue, and how a script run ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "lib/play_clock.h"
#include "session/core/english_words.h"
#include "session/scripts/replay.h"
#include "session/scripts/run_script.h"

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

TEST(TimerSchedule, StartingRunningTimersKeepsTheirDueTimes) {
  TimerSchedule timers;
  timers.SetRunning(true, 0);
  timers.SetRunning(true, 100);
  EXPECT_EQ(timers[GameTimer::Main].due, 150);
  EXPECT_EQ(timers[GameTimer::Slow].due, 400);
  EXPECT_EQ(timers[GameTimer::BadStep].due, 400);
}

TEST(TimerSchedule, ANewIntervalRestartsARunningTimerAndTheSameOrNoneDoesNot) {
  TimerSchedule timers;
  timers.SetRunning(true, 0);
  timers.SetBadStepInterval(400, 250);
  EXPECT_EQ(timers[GameTimer::BadStep].due, 400);
  timers.SetBadStepInterval(100, 250);
  EXPECT_EQ(timers[GameTimer::BadStep].due, 350);
  EXPECT_EQ(timers[GameTimer::BadStep].interval, 100);
  // An interval of no length would fire without end.
  timers.SetBadStepInterval(0, 300);
  timers.SetBadStepInterval(-5, 300);
  EXPECT_EQ(timers[GameTimer::BadStep].interval, 100);
  EXPECT_EQ(timers[GameTimer::BadStep].due, 350);
}

TEST(TimerSchedule, AStoppedTimerTakesItsNewIntervalWhenStarted) {
  TimerSchedule timers;
  timers.SetBadStepInterval(600, 0);
  timers.SetRunning(true, 1000);
  EXPECT_EQ(timers[GameTimer::BadStep].due, 1600);
}

TEST(TimerSchedule, ALateTickFiresOnceAndNeverInsideItself) {
  TimerSchedule timers;
  timers.SetRunning(true, 0);
  // At 1000 ms every timer is late: the first in timer order fires, and the beat goes on
  // from now rather than making up the missed ticks.
  ASSERT_EQ(timers.NextDue(1000), GameTimer::Main);
  timers.Fire(GameTimer::Main, 1000);
  EXPECT_EQ(timers[GameTimer::Main].due, 1150);
  EXPECT_EQ(timers.NextDue(2000), GameTimer::Slow);
  timers.Fire(GameTimer::Slow, 1000);
  timers.Fire(GameTimer::BadStep, 1000);
  EXPECT_EQ(timers.NextDue(5000), std::nullopt);
  EXPECT_EQ(timers.MsUntilDue(1000), -1);
  timers.TickEnded(GameTimer::Main);
  EXPECT_EQ(timers.MsUntilDue(1000), 150);
}

TEST(ReplayTimers, TimersDueTogetherFireInTimerOrderAndKeepTheirRhythm) {
  std::ostringstream out;
  Replay replay(out);
  std::string error;
  ASSERT_TRUE(replay.RunLine("menu start", error));
  replay.Wait(1200);
  // 1200 ms: eight main ticks, three slow ticks, two bad steps (every 600 ms).
  EXPECT_EQ(replay.game().scanCol, 16);
  // At 1200 the main tick fires before the slow timer, so that slow tick waits for 1350.
  EXPECT_EQ(replay.game().slowTicks, 2u);
  EXPECT_TRUE(replay.game().slowTickDue);
  const TimerSchedule& timers = replay.session().Timers();
  EXPECT_EQ(timers[GameTimer::Main].due, 1350);
  EXPECT_EQ(timers[GameTimer::Slow].due, 1600);
  EXPECT_EQ(timers[GameTimer::BadStep].due, 1800);
  EXPECT_EQ(replay.script().clock.nowMs, 1200);
}

TEST(ReplayTimers, SingleEventsAreIgnoredWhileTheTimersAreOff) {
  std::ostringstream out;
  Replay replay(out);
  replay.DeliverTimer(GameTimer::Main);
  replay.DeliverTimer(GameTimer::Slow);
  EXPECT_EQ(replay.game().scanCol, 0);
  EXPECT_FALSE(replay.game().slowTickDue);
  std::string error;
  ASSERT_TRUE(replay.RunLine("menu start", error));
  replay.DeliverTimer(GameTimer::Slow);
  replay.DeliverTimer(GameTimer::Main);
  EXPECT_EQ(replay.game().scanCol, 2);
  EXPECT_EQ(replay.game().slowTicks, 1u);
  EXPECT_EQ(replay.session().Timers()[GameTimer::Main].due, 150);
}

TEST(PlayClock, ElapsedTimeShowsAsATimeOfDayThatWrapsAfterADay) {
  const auto shown = [](double elapsedDays) {
    return PlayClockText(PlayClockSeconds(elapsedDays));
  };
  EXPECT_EQ(shown(0.0), "00:00:00");
  EXPECT_EQ(shown(3'723'999.0 / kMsPerDay), "01:02:03");
  // Whole milliseconds first, then the seconds are cut off.
  EXPECT_EQ(shown(1'999.4 / kMsPerDay), "00:00:01");
  EXPECT_EQ(shown((kMsPerDay + 61'000.0) / kMsPerDay), "00:01:01");
  EXPECT_EQ(PlayClockSeconds((kMsPerDay + 61'000.0) / kMsPerDay), 61);
}

TEST(EnglishWords, ReadoutsReadAsTheDumpAndTheRecordingsHoldThem) {
  std::vector<std::string> opening;
  std::transform(kOpeningReadouts.begin(), kOpeningReadouts.end(), std::back_inserter(opening),
                 ReadoutText);
  EXPECT_EQ(opening, (std::vector<std::string>{"Powers : 0", "Clock : 0", "Clock : 0", "Kills : 0",
                                               "Kills : 0", "Ivl : 399"}));
  const std::vector<std::pair<Readout, std::string>> written = {
      {Readout::Powers, "Powers : 3723"},    {Readout::Clock, "01:02:03"},
      {Readout::Level, "Level : 3723"},      {Readout::Kills, "Kills : 3723"},
      {Readout::AtLarge, "At large : 3723"}, {Readout::BadStepInterval, "Ivl 3723"}};
  for (const auto& [readout, text] : written) {
    EXPECT_EQ(ReadoutText(WrittenReadout(readout, 3723)), text);
  }
}

TEST(ReplayClock, QueuedReadingsAreTakenOldestFirstThenTheVirtualMilliseconds) {
  ScriptedClock clock;
  clock.nowMs = kMsPerDay * 50 + 7;
  clock.readings = {5, 4'294'967'295u};
  EXPECT_EQ(clock.TakeReading(), 5u);
  EXPECT_EQ(clock.TakeReading(), 4'294'967'295u);
  EXPECT_EQ(clock.TakeReading(), static_cast<std::uint32_t>(kMsPerDay * 50 + 7));
}

TEST(ReplayTimers, AfterManualWaitOnlyMovesTheClockAndTimerEventsStillCome) {
  std::ostringstream out;
  Replay replay(out);
  std::string error;
  for (const char* line : {"menu start", "manual", "wait 5000"}) {
    ASSERT_TRUE(replay.RunLine(line, error)) << line;
  }
  EXPECT_EQ(replay.script().clock.nowMs, 5000);
  EXPECT_EQ(replay.game().scanCol, 0);
  ASSERT_TRUE(replay.RunLine("tick", error));
  EXPECT_EQ(replay.game().scanCol, 2);
  // Timers started or restarted after `manual` never fire by themselves either.
  for (const char* line : {"menu pause", "menu pause", "wait 5000"}) {
    ASSERT_TRUE(replay.RunLine(line, error)) << line;
  }
  EXPECT_TRUE(replay.session().Timers().AllEnabled());
  EXPECT_EQ(replay.game().scanCol, 2);
}

TEST(ReplayDialogs, QuestionsTakeQueuedAnswersOldestFirstThenCancelAndPrintAsTheyClose) {
  ScriptedClock clock;
  clock.answers = {'Y', ' '};
  StringText out;
  HeadlessFrontEnd frontEnd(out);
  for (int i = 0; i < 3; ++i) {
    frontEnd.OpenScriptedBox(GameBox::GameOver);
    frontEnd.CloseScriptedBox(true, clock.TakeAnswer());
  }
  // A box the run ended inside prints nothing; the innermost box closes first.
  frontEnd.OpenScriptedBox(GameBox::GameOver);
  frontEnd.CloseScriptedBox(false, ' ');
  frontEnd.OpenScriptedBox(GameBox::LevelCleared);
  frontEnd.OpenScriptedBox(GameBox::SecondChance);
  frontEnd.CloseScriptedBox(true, ' ');
  frontEnd.CloseScriptedBox(true, ' ');
  const std::string question = "confirm \"Aaagh you have been eaten, game over - play again?\" ";
  EXPECT_EQ(out.Take(),
            question + "Y\n" + question + "none\n" + question + "C\n" +
                "info \"You have hit a baddie, but your powers will be exchanged for a 2nd "
                "chance\"\ninfo \"You have killed all the baddies, well done. Use Skip to go to "
                "next level\"\n");
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
  const std::uint32_t seed = replay.game().random.randomSeed;
  ASSERT_TRUE(replay.RunLine("menu instructions", error));
  EXPECT_NE(replay.game().instructionsColour, 0);
  ASSERT_TRUE(replay.RunLine("close instructions", error));
  EXPECT_EQ(replay.game().instructionsColour, 0);
  EXPECT_EQ(replay.game().random.randomSeed, seed);
}

// Reading c seeds c * 134775813 + 1, and the pastel is 1 + the top part of that times 6.
TEST(ReplayScript, InstructionsDrawTheirPastelFromTheClockOnlyAsTheyOpen) {
  std::ostringstream out;
  Replay replay(out);
  std::string error;
  for (const char* line : {"reading 0", "reading 2147483648", "menu instructions"}) {
    ASSERT_TRUE(replay.RunLine(line, error)) << line;
  }
  EXPECT_EQ(replay.game().instructionsColour, 1);
  ASSERT_TRUE(replay.RunLine("menu instructions", error));
  EXPECT_EQ(replay.game().instructionsColour, 1);
  EXPECT_EQ(replay.script().clock.readings.size(), 1u);
  ASSERT_TRUE(replay.RunLine("close instructions", error));
  ASSERT_TRUE(replay.RunLine("menu instructions", error));
  EXPECT_EQ(replay.game().instructionsColour, 4);
}

// The walk of the game_over goldens, which ends next to the bad baddie at (3, 12) with the
// one Power still in hand.
constexpr const char* kWalkToTheBaddie =
    "key 37\nkey 37\nkey 37\nkey 40\nkey 37\nkey 40\nkey 37\nkey 37\n";

TEST(ReplayNesting, NoInsideABoxClosesTheWindowOnceAndNothingMoreRunsOrPrints) {
  int status = -1;
  const std::string output =
      RunText(std::string("manual\nanswer N\n") + kWalkToTheBaddie +
                  "key 37\n>1 menu start\n>1 key 66\n>1 key 37\n>1 menu cheat\n>2 tick\ndump\n",
              &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(output, "confirm \"Aaagh you have been eaten, game over - play again?\" N\nclosed\n");
}

TEST(ReplayNesting, TheRunStopsAtAStopEvenWhenTheWindowClosesLater) {
  // The cheat nested at yield point 1 ends without the yield point 2 its line names; the
  // Exit after it in the outer event never runs.
  int status = -1;
  const std::string output =
      RunText("manual\nmenu cheat\n>1 menu cheat\n>>2 tick\n>1 menu exit\n", &status);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(output,
            "stonewick-replay: line 4: not run: the event on line 3 ended after 1 yield point, "
            "before yield point 2\n");
}

TEST(ReplayNesting, EveryEventCanCarryNestedLines) {
  for (const char* event :
       {"key 38", "click 1 1", "menu about", "close instructions", "tick", "slow", "bad"}) {
    int status = -1;
    const std::string output = RunText(std::string("manual\n") + event + "\n>1 wait 5\n", &status);
    EXPECT_EQ(status, 2) << event;
    EXPECT_EQ(output,
              "stonewick-replay: line 3: not run: the event on line 2 ended after 0 yield "
              "points, before yield point 1\n")
        << event;
  }
}

TEST(ReplayNesting, NoOtherCommandCanCarryNestedLines) {
  for (const std::string command :
       {"answer Y", "seed 1", "glide 1", "reading 1", "manual", "wait 1"}) {
    int status = -1;
    const std::string output = RunText("manual\n" + command + "\n>1 tick\n", &status);
    EXPECT_EQ(status, 2) << command;
    EXPECT_EQ(output, "stonewick-replay: line 3: a nested line needs an event above it, and '" +
                          command.substr(0, command.find(' ')) + "' on line 2 is not an event\n");
  }
}

TEST(ReplayNesting, OnlyEventsAndWaitsCanBeNested) {
  for (const char* nested : {"key 38", "click 1 1", "menu about", "close instructions", "tick",
                             "slow", "bad", "wait 5"}) {
    int status = -1;
    EXPECT_EQ(RunText(std::string("manual\nmenu cheat\n>1 ") + nested + "\n", &status), "");
    EXPECT_EQ(status, 0) << nested;
  }
  for (const std::string nested :
       {"answer Y", "seed 1", "glide 1", "reading 1", "manual", "dump"}) {
    int status = -1;
    EXPECT_EQ(
        RunText("manual\nmenu cheat\n>1 " + nested + "\n", &status),
        "stonewick-replay: line 3: '" + nested.substr(0, nested.find(' ')) +
            "' cannot be nested: only key, click, menu, close, tick, slow, bad and wait can\n");
    EXPECT_EQ(status, 2) << nested;
  }
}

TEST(ReplayNesting, ALineOfDepthDBelongsToTheNearestLineOfDepthDMinusOneAboveIt) {
  // The depth-3 line after the second depth-1 line belongs to the depth-2 cheat on line 3,
  // the nearest line of depth 2 above it, and runs at that cheat's one yield point.
  std::ostringstream out;
  Replay replay(out);
  const std::string lines[] = {"menu cheat", ">1 menu cheat", ">>1 menu cheat", ">1 wait 7",
                               ">>>1 menu cheat"};
  std::vector<ScriptLine> block;
  for (std::size_t i = 0; i < std::size(lines); ++i) {
    block.push_back({i + 1, lines[i], {}});
  }
  std::string error;
  ASSERT_TRUE(replay.RunLine("manual", error));
  ScriptError bad;
  EXPECT_EQ(replay.RunBlock(block, bad), BlockOutcome::Ran) << bad.message;
  EXPECT_EQ(replay.game().powers, 41);
  EXPECT_EQ(replay.script().clock.nowMs, 7);
}

TEST(ReplayCheck, DumpsWithoutStateLinesAfterThemAreNotChecked) {
  std::istringstream in("dump\n# a comment\ndump\n#= end\n");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunScript(in, out, err, {.check = true}), 1);
  EXPECT_EQ(err.str(),
            "stonewick-replay: line 4: dump line 1 of the dump on line 3 differs: expected "
            "\"end\", seen \"state 0 running 0 level 1 powers 1 kills 0 slowticks 0\"\n");
}

TEST(ReplayCheck, ADumpOfOtherLengthNamesTheFirstLinePastTheShorterOne) {
  std::ostringstream dumped;
  dumped << Replay(dumped).StateText();
  std::string allButEnd;
  std::istringstream lines(dumped.str());
  for (std::string line; std::getline(lines, line) && line != "end";) {
    allButEnd += "#= " + line + "\n";
  }
  for (const auto& [extra, expected] :
       {std::pair<std::string, std::string>{"",
                                            "line 61: dump line 61 of the dump on line 1 "
                                            "differs: expected no more lines, seen \"end\""},
        {"#= end\n#= more\n",
         "line 63: dump line 62 of the dump on line 1 differs: expected "
         "\"more\", seen no more lines"}}) {
    std::istringstream in("dump\n" + allButEnd + extra + "menu exit\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunScript(in, out, err, {.check = true}), 1);
    EXPECT_EQ(err.str(), "stonewick-replay: " + expected + "\n");
    EXPECT_EQ(out.str(), dumped.str());
  }
}

// The command line, run in-process on the given standard input.
struct CommandLine {
  int status;
  std::string out;
  std::string err;
};

CommandLine RunCommandLine(std::vector<std::string> args, const std::string& input = "") {
  args.insert(args.begin(), "stonewick-replay");
  std::vector<char*> argv;
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = ReplayMain(argv, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(ReplayCommandLine, VersionIsOneLineNamingTheTool) {
  const CommandLine run = RunCommandLine({"--version", "--bogus"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with("stonewick-replay ")) << run.out;
  EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);
  EXPECT_EQ(run.err, "");
}

TEST(ReplayCommandLine, HelpListsTheOptionsAndPointsAtTheManualPage) {
  const CommandLine run = RunCommandLine({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* word : {"--check", "--help", "--version", "--", "stonewick-replay(6)"}) {
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
  }
  EXPECT_LE(std::count(run.out.begin(), run.out.end(), '\n'), 24);
}

TEST(ReplayCommandLine, AnUnknownOptionIsOneLineAndStatus2) {
  const CommandLine run = RunCommandLine({"--chek", "-"}, "dump\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "stonewick-replay: unrecognized option '--chek' (try 'stonewick-replay --help')\n");
}

TEST(ReplayCommandLine, DashIsStandardInputAndOptionsMayFollowTheScript) {
  const CommandLine run = RunCommandLine({"-", "--check"}, "menu cheat\ndump\n#= bogus\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.starts_with("state 0 running 0 level 1 powers 11 ")) << run.out;
}

TEST(ReplayCommandLine, DoubleDashMakesTheNextArgumentTheScript) {
  const CommandLine run = RunCommandLine({"--", "--help"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "stonewick-replay: cannot open script '--help'\n");
}

}  // namespace
}  // namespace stonewick
