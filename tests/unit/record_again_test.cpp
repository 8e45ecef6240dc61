// Recording a script again: a game played live through the session, with events nested in
// steps and questions answered, and then replayed with a recorder attached, is written again
// line for line as live play wrote it, comments apart.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "recording_format/script_source.h"
#include "session/scripts/run_script.h"
#include "tests/support/live_player.h"

using namespace stonewick;
using stonewick::testing::LivePlayer;

namespace {

std::vector<std::string> LinesBesidesComments(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("# ")) {
      lines.push_back(line);
    }
  }
  return lines;
}

// A game of pseudo-random play: keys, clicks and menu commands, some given while a step lets
// events in, questions answered at random; ended by Exit, or by No when the game is lost.
std::string PlayLive(unsigned seed, int events) {
  LivePlayer player;
  std::mt19937 random(seed);
  player.session.Start();
  EXPECT_TRUE(player.session.Record(player, "the test"));
  const std::vector<Event> choices = {KeyPress{37},
                                      KeyPress{38},
                                      KeyPress{39},
                                      KeyPress{40},
                                      KeyPress{32},
                                      KeyPress{66},
                                      BoardClick{3, 4},
                                      MenuChoice{MenuCommand::Start},
                                      MenuChoice{MenuCommand::Pause},
                                      MenuChoice{MenuCommand::Instructions},
                                      InstructionsClosed{},
                                      MenuChoice{MenuCommand::About},
                                      MenuChoice{MenuCommand::Auto}};
  for (int i = 0; i < events && !player.session.Closed(); ++i) {
    player.PassTime(random() % 1500);
    if (random() % 3 == 0) {
      player.atYieldPoints.push_back(choices[random() % 6]);
    }
    if (random() % 4 == 0) {
      player.answers.push_back("YNC"[random() % 3] == 'N' && random() % 2 ? 'N' : 'Y');
    }
    player.Give(random() % 60 == 0 ? Event{MenuChoice{MenuCommand::Skip}}
                                   : choices[random() % choices.size()]);
  }
  player.Give(MenuChoice{MenuCommand::Exit});
  return player.recording;
}

}  // namespace

TEST(RecordAgain, AGameRecordedLiveIsRecordedAgainLineForLine) {
  int nested = 0;
  int answered = 0;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    const std::string live = PlayLive(seed, 600);
    nested += live.find("\n>1 ") != std::string::npos ? 1 : 0;
    answered += live.find("\nanswer ") != std::string::npos ? 1 : 0;
    TextLines script(live);
    StringText printed;
    std::string said;
    RecordingText again;
    const int status = RunScript(
        script, printed, said,
        {.check = true, .record = &again, .recordOpening = Recording::Heading("now", "test")});
    ASSERT_EQ(status, 0) << "seed " << seed << ": " << said;
    EXPECT_EQ(LinesBesidesComments(again.Text()), LinesBesidesComments(live)) << "seed " << seed;
  }
  // The games held events that ran inside others, and questions answered.
  EXPECT_GT(nested, 6);
  EXPECT_GE(answered, 1);
}

TEST(RecordAgain, ARecordingMadeInTheWindowComesBackLineForLine) {
  std::ifstream file(STONEWICK_SOURCE_DIR "/tests/replay/check_recording_matches.script");
  const std::string window{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  TextLines script(window);
  StringText printed;
  std::string said;
  RecordingText again;
  ASSERT_EQ(
      RunScript(script, printed, said,
                {.check = true, .record = &again, .recordOpening = Recording::Heading("now")}),
      0)
      << said;
  EXPECT_EQ(LinesBesidesComments(again.Text()), LinesBesidesComments(window));
}

TEST(RecordAgain, AScriptWithTimersOfItsOwnIsRecordedAsLivePlayWouldHaveIt) {
  // Before `manual` the timers fire by themselves; the recording says when each came, and
  // keeps the script's setup lines. Replayed, it reaches the same state, checkpoint by
  // checkpoint.
  const std::string script =
      "seed 7\nglide 1\nkey 39\nwait 3000\nkey 32\nmenu pause\nwait 500\nmenu pause\n"
      "wait 20000\nmenu skip\nwait 700\ndump\n";
  TextLines lines(script);
  StringText printed;
  std::string said;
  RecordingText again;
  ASSERT_EQ(RunScript(lines, printed, said,
                      {.record = &again, .recordOpening = Recording::Heading("now")}),
            0);
  const std::vector<std::string> recorded = LinesBesidesComments(again.Text());
  ASSERT_GT(recorded.size(), 100U);
  EXPECT_EQ(std::vector<std::string>(recorded.begin(), recorded.begin() + 7),
            (std::vector<std::string>{"manual", "seed 7", "glide 1", "key 39", recorded[4],
                                      "wait 150", "tick"}));
  const std::string recordedText = again.Text() + "wait 700\ndump\n";
  TextLines replayed(recordedText);
  StringText printedAgain;
  std::string saidAgain;
  ASSERT_EQ(RunScript(replayed, printedAgain, saidAgain, {.check = true}), 0) << saidAgain;
  EXPECT_EQ(printedAgain.Take(), printed.Take());
}

TEST(RecordAgain, ARecordingThatCannotBeWrittenIsTroubleWithOneLine) {
  const std::string script = "key 39\nwait 300\ndump\n";
  for (const auto& [path, said] : std::array<std::pair<const char*, const char*>, 2>{
           {{"/nonexistent/again.script",
             "stonewick-replay: cannot record to /nonexistent/again.script: No such file or "
             "directory\n"},
            {"/dev/full",
             "stonewick-replay: cannot record to /dev/full: No space left on device\n"}}}) {
    std::array<const char*, 5> args = {"stonewick-replay", "--record", path, "-", nullptr};
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ReplayMain(std::span<char* const>(const_cast<char**>(args.data()), 4), in, out, err),
              2);
    EXPECT_EQ(err.str(), said);
  }
}
