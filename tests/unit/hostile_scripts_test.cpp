// Hostile scripts read in-process: huge numbers, long lines, binary bytes, missing and extra
// arguments, no final end of line, a stream that fails. Each bad script ends with status 2
// and one readable error line, after the lines before it have run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

#include "session/scripts/run_script.h"

namespace stonewick {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunText(const std::string& text) {
  std::istringstream script(text);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunScript(script, out, err);
  return {status, out.str(), err.str()};
}

std::string LastLineOf(const std::string& text) {
  const std::size_t end = text.find_last_of('\n', text.size() - 2);
  return text.substr(end == std::string::npos ? 0 : end + 1);
}

TEST(HostileScripts, NumberTooBigForAnyCommandIsABadScript) {
  const Outcome o = RunText("wait 99999999999999999999999999999999\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err,
            "stonewick-replay: line 1: 'wait': wait must be 0 to 86400000 ms, not "
            "'99999999999999999999999999999999'\n");
}

TEST(HostileScripts, ValuesJustPastTheirRangeAreBadScripts) {
  for (const char* line : {"key 65536", "seed 4294967296", "wait 86400001", "glide 2"}) {
    const Outcome o = RunText(std::string(line) + "\n");
    EXPECT_EQ(o.status, 2) << line;
    EXPECT_EQ(o.out, "") << line;
  }
}

TEST(HostileScripts, SignsAreRefusedOutsideClicks) {
  EXPECT_EQ(RunText("wait -1\n").status, 2);
  EXPECT_EQ(RunText("key +38\n").status, 2);
  EXPECT_EQ(RunText("click -99999999999999999999 +3\n").status, 2);
}

TEST(HostileScripts, ClickFarOffTheBoardIsAClickOverNoCell) {
  const Outcome o = RunText("click -99999999999999999999 99999999999999999999\ndump\n");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, RunText("dump\n").out);
}

TEST(HostileScripts, LongLineIsReportedShortened) {
  const Outcome o = RunText(std::string(1 << 20, 'x') + "\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "stonewick-replay: line 1: unknown command '" + std::string(40, 'x') + "...'\n");
}

TEST(HostileScripts, BinaryBytesAreShownEscaped) {
  const Outcome o = RunText(std::string("key \x01\xff\x00\x7f", 8) + "\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err,
            "stonewick-replay: line 1: 'key': key code must be 0 to 65535, not "
            "'\\x01\\xff\\x00\\x7f'\n");
}

TEST(HostileScripts, MissingArgumentIsABadScript) {
  const Outcome o = RunText("key\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "stonewick-replay: line 1: 'key' takes 1 argument, got 0\n");
}

TEST(HostileScripts, ExtraArgumentIsABadScript) {
  const Outcome o = RunText("dump now\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "stonewick-replay: line 1: 'dump' takes 0 arguments, got 1\n");
}

TEST(HostileScripts, LastLineWithoutEndOfLineStillRuns) {
  const Outcome o = RunText("menu cheat\ndump");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, RunText("menu cheat\ndump\n").out);
  EXPECT_NE(o.out.find("powers 11 "), std::string::npos);
}

TEST(HostileScripts, LinesBeforeABadLineHaveRun) {
  const Outcome o = RunText("dump\nbogus\ndump\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, RunText("dump\n").out);
  EXPECT_EQ(o.err, "stonewick-replay: line 2: unknown command 'bogus'\n");
}

TEST(HostileScripts, CarriageReturnEndsALineOnlyOnce) {
  EXPECT_EQ(RunText("dump\r\n").status, 0);
  const Outcome o = RunText("dump\r\r\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(LastLineOf(o.err), "stonewick-replay: line 1: unknown command 'dump\\x0d'\n");
}

TEST(HostileScripts, EmptyScriptRunsToItsEnd) {
  const Outcome o = RunText("");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, "");
}

// Five Skips reach past the last level, whose message shows what has run; a sixth would
// show it again.
constexpr const char* kPastTheLastLevel = "menu skip\nmenu skip\nmenu skip\nmenu skip\nmenu skip\n";
constexpr const char* kNoMoreLevels = "info \"Sorry, there are no more levels, you win! \"\n";

TEST(HostileScripts, AnEventRunsBeforeTheBadLineAfterItIsReported) {
  const Outcome o = RunText(std::string(kPastTheLastLevel) + "bogus\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, kNoMoreLevels);
  EXPECT_EQ(o.err, "stonewick-replay: line 6: unknown command 'bogus'\n");
}

TEST(HostileScripts, MalformedNestingMarksAreBadLines) {
  for (const char* line :
       {">", ">0 tick", ">1tick", ">a tick", ">1", ">-1 tick", ">>", "> 1 tick", ">1> tick"}) {
    const Outcome o =
        RunText(std::string("manual\n") + kPastTheLastLevel + "menu skip\n" + line + "\n");
    EXPECT_EQ(o.status, 2) << line;
    EXPECT_EQ(o.out, kNoMoreLevels) << line;
    EXPECT_TRUE(o.err.starts_with("stonewick-replay: line 8: ")) << o.err;
  }
}

TEST(HostileScripts, BlanksMayStandBeforeANestingMark) {
  const Outcome o =
      RunText(std::string("manual\n") + kPastTheLastLevel + "menu skip\n \t>1 key 38\n");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, std::string(kNoMoreLevels) + kNoMoreLevels);
}

TEST(HostileScripts, HugeYieldPointIsOneNoEventReaches) {
  const Outcome o = RunText("manual\nmenu cheat\n>99999999999999999999999999 tick\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err,
            "stonewick-replay: line 3: not run: the event on line 2 ended after 1 yield point, "
            "before yield point 1000000000000000000\n");
}

TEST(HostileScripts, NestingDeeperThanTwoHundredEventsIsABadLine) {
  std::string script = "manual\nmenu cheat\n";
  for (int depth = 1; depth <= 201; ++depth) {
    script += std::string(depth, '>') + "1 menu cheat\n";
  }
  const Outcome o = RunText(script);
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, "stonewick-replay: line 203: nested deeper than 200 events\n");
  // Two hundred deep is fine: every cheat reaches its one yield point.
  EXPECT_EQ(RunText(script.substr(0, script.rfind('\n', script.size() - 2) + 1)).status, 0);
}

TEST(HostileScripts, NestedLineTooLongRejectsItsBlock) {
  const Outcome o = RunText(std::string("manual\n") + kPastTheLastLevel +
                            "menu skip\n>1 tick\n>1 " + std::string(5 << 20, 'x') + "\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, kNoMoreLevels);
  EXPECT_EQ(o.err, "stonewick-replay: line 9: longer than 4194304 bytes\n");
}

// A stream whose first read fails, as a directory or a broken device does.
class FailingBuffer : public std::streambuf {
 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }
};

TEST(HostileScripts, ScriptThatCannotBeReadIsABadScript) {
  FailingBuffer buffer;
  std::istream script(&buffer);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunScript(script, out, err), 2);
  EXPECT_NE(err.str(), "");
}

TEST(HostileScripts, DirectoryGivenAsTheScriptIsABadScript) {
  std::ifstream script(std::filesystem::temp_directory_path(), std::ios::binary);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunScript(script, out, err), 2);
  EXPECT_NE(err.str(), "");
}

}  // namespace
}  // namespace stonewick
