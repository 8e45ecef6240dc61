// Every kind of event is written as a script line that reads back as the same event, so that
// a recording replays what was played.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_format/script_command.h"
#include "recording_format/script_lines.h"

using namespace stonewick;

namespace {

Command ReadBack(const std::string& line) {
  const std::vector<std::string_view> words = SplitWords(line);
  Command command;
  std::string error;
  EXPECT_TRUE(ParseCommand(words, command, error)) << line << ": " << error;
  return command;
}

bool operator==(const Event& a, const Event& b) {
  return EventLine(a) == EventLine(b) && a.index() == b.index();
}

}  // namespace

TEST(ScriptWords, EveryEventReadsBackAsWritten) {
  std::vector<Event> events = {KeyPress{0}, KeyPress{65535}, BoardClick{-1, -1}, BoardClick{21, 0},
                               InstructionsClosed{}};
  for (const MenuItem& item : kMenuItems) {
    events.push_back(MenuChoice{item.command});
  }
  for (const GameTimer timer : kGameTimers) {
    events.push_back(TimerTick{timer});
  }
  for (const Event& event : events) {
    const std::string line = EventLine(event);
    const Command read = ReadBack(line);
    ASSERT_TRUE(IsEvent(read)) << line;
    EXPECT_TRUE(std::get<Event>(read) == event) << line;
  }
}

TEST(ScriptWords, TheCloseBoxIsWrittenAsExitForItEndsTheGameAlike) {
  EXPECT_EQ(EventLine(CloseBoxUsed{}), "menu exit");
  EXPECT_TRUE(std::get<Event>(ReadBack("menu exit")) == Event{MenuChoice{MenuCommand::Exit}});
}

TEST(ScriptWords, EachTimerAndMenuCommandHasAWordOfItsOwn) {
  std::vector<std::string> lines;
  for (const GameTimer timer : kGameTimers) {
    lines.push_back(EventLine(TimerTick{timer}));
  }
  for (const MenuItem& item : kMenuItems) {
    lines.push_back(EventLine(MenuChoice{item.command}));
  }
  EXPECT_EQ(lines,
            (std::vector<std::string>{"tick", "slow", "bad", "menu exit", "menu instructions",
                                      "menu start", "menu pause", "menu randomise", "menu cheat",
                                      "menu skip", "menu auto", "menu about"}));
}
