// The words of script commands, read and written by one table.
#include "recording_format/script_command.h"

#include <array>
#include <limits>
#include <optional>

#include "lib/play_clock.h"
#include "recording_format/script_lines.h"

namespace stonewick {
namespace {

// The first word of every command, by what it stands for.
enum class Word : std::uint8_t {
  Key,
  Click,
  Menu,
  Close,
  Tick,
  Slow,
  Bad,
  Answer,
  Glide,
  Seed,
  Wait,
  Dump,
  Manual,
  Reading,
};

struct WordShape {
  Word word;
  std::string_view name;
  std::size_t arguments;  // the words after it
};

constexpr std::array<WordShape, 14> kWords = {{
    {Word::Key, "key", 1},
    {Word::Click, "click", 2},
    {Word::Menu, "menu", 1},
    {Word::Close, "close", 1},
    {Word::Tick, "tick", 0},
    {Word::Slow, "slow", 0},
    {Word::Bad, "bad", 0},
    {Word::Answer, "answer", 1},
    {Word::Glide, "glide", 1},
    {Word::Seed, "seed", 1},
    {Word::Wait, "wait", 1},
    {Word::Dump, "dump", 0},
    {Word::Manual, "manual", 0},
    {Word::Reading, "reading", 1},
}};

constexpr bool EveryWordInItsPlace() {
  for (std::size_t i = 0; i < kWords.size(); ++i) {
    if (static_cast<std::size_t>(kWords[i].word) != i || kWords[i].name.empty()) {
      return false;
    }
  }
  return true;
}
static_assert(EveryWordInItsPlace());

// Each timer's tick, by GameTimer.
constexpr std::array<Word, kGameTimerCount> kTimerWords = {Word::Tick, Word::Slow, Word::Bad};
// The one window a script can close: "close instructions".
constexpr std::string_view kInstructionsWindow = "instructions";

std::string_view NameOf(Word word) {
  return kWords[static_cast<std::size_t>(word)].name;
}

}  // namespace

bool ParseCommand(std::span<const std::string_view> words, Command& parsed, std::string& error) {
  const std::string_view name = words.front();
  const WordShape* shape = nullptr;
  for (const WordShape& candidate : kWords) {
    if (candidate.name == name) {
      shape = &candidate;
    }
  }
  if (shape == nullptr) {
    error = Joined({"unknown command '", Printable(name), "'"});
    return false;
  }
  if (words.size() != shape->arguments + 1) {
    error = Joined({"'", name, "' takes ", std::to_string(shape->arguments), " argument",
                    shape->arguments == 1 ? "" : "s", ", got ", std::to_string(words.size() - 1)});
    return false;
  }
  auto bad = [&](std::string_view what, std::string_view word) {
    error = Joined({"'", name, "': ", what, " '", Printable(word), "'"});
    return false;
  };
  switch (shape->word) {
    case Word::Key: {
      const auto key = ParseUnsigned(words[1], std::numeric_limits<std::uint16_t>::max());
      if (!key) {
        return bad("key code must be 0 to 65535, not", words[1]);
      }
      parsed = Event{KeyPress{static_cast<std::uint16_t>(*key)}};
      return true;
    }
    case Word::Click: {
      const auto col = ParseCoordinate(words[1]);
      if (!col) {
        return bad("column must be an integer, not", words[1]);
      }
      const auto row = ParseCoordinate(words[2]);
      if (!row) {
        return bad("row must be an integer, not", words[2]);
      }
      parsed = Event{BoardClick{*col, *row}};
      return true;
    }
    case Word::Menu: {
      const std::optional<MenuCommand> command = MenuCommandNamed(words[1]);
      if (!command) {
        return bad("unknown menu item", words[1]);
      }
      parsed = Event{MenuChoice{*command}};
      return true;
    }
    case Word::Close:
      if (words[1] != kInstructionsWindow) {
        return bad("only the instructions window can be closed, not", words[1]);
      }
      parsed = Event{InstructionsClosed{}};
      return true;
    case Word::Tick:
    case Word::Slow:
    case Word::Bad:
      for (const GameTimer timer : kGameTimers) {
        if (kTimerWords[static_cast<std::size_t>(timer)] == shape->word) {
          parsed = Event{TimerTick{timer}};
        }
      }
      return true;
    case Word::Answer: {
      const std::optional<char> answer = AnswerNamed(words[1]);
      if (!answer) {
        return bad("answer must be Y, N, C or none, not", words[1]);
      }
      parsed = QueueAnswer{*answer};
      return true;
    }
    case Word::Glide: {
      const auto ticked = ParseUnsigned(words[1], 1);
      if (!ticked) {
        return bad("glide must be 0 or 1, not", words[1]);
      }
      parsed = SetGlide{*ticked == 1};
      return true;
    }
    case Word::Seed: {
      const auto seed = ParseUnsigned(words[1], std::numeric_limits<std::uint32_t>::max());
      if (!seed) {
        return bad("seed must be 0 to 4294967295, not", words[1]);
      }
      parsed = SetSeed{static_cast<std::uint32_t>(*seed)};
      return true;
    }
    case Word::Wait: {
      const auto ms = ParseUnsigned(words[1], kMsPerDay);
      if (!ms) {
        return bad("wait must be 0 to 86400000 ms, not", words[1]);
      }
      parsed = WaitMs{static_cast<std::int64_t>(*ms)};
      return true;
    }
    case Word::Dump:
      parsed = DumpState{};
      return true;
    case Word::Manual:
      parsed = ManualTimers{};
      return true;
    case Word::Reading: {
      const auto reading = ParseUnsigned(words[1], std::numeric_limits<std::uint32_t>::max());
      if (!reading) {
        return bad("reading must be 0 to 4294967295, not", words[1]);
      }
      parsed = QueueReading{static_cast<std::uint32_t>(*reading)};
      return true;
    }
  }
  return false;
}

std::string EventLine(const Event& event) {
  struct Writer {
    std::string operator()(const KeyPress& key) const {
      return Joined({NameOf(Word::Key), " ", std::to_string(key.key)});
    }
    std::string operator()(const BoardClick& click) const {
      return Joined(
          {NameOf(Word::Click), " ", std::to_string(click.col), " ", std::to_string(click.row)});
    }
    std::string operator()(const MenuChoice& choice) const {
      return Joined({NameOf(Word::Menu), " ", MenuItemOf(choice.command).word});
    }
    std::string operator()(const TimerTick& tick) const {
      return std::string(NameOf(kTimerWords[static_cast<std::size_t>(tick.timer)]));
    }
    std::string operator()(const InstructionsClosed&) const {
      return Joined({NameOf(Word::Close), " ", kInstructionsWindow});
    }
    std::string operator()(const CloseBoxUsed&) const {
      return (*this)(MenuChoice{MenuCommand::Exit});
    }
  };
  return std::visit(Writer{}, event);
}

}  // namespace stonewick
