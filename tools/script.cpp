// Reading replay scripts: one command a line, checked whole before any of it runs, so a
// bad line is reported with its number and nothing of it is carried out.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <istream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/replay.h"

namespace stonewick {
namespace {

std::vector<std::string_view> SplitWords(std::string_view line) {
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);  // a carriage return ending the line counts as a blank
  }
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
      ++at;
    }
    const std::size_t start = at;
    while (at < line.size() && line[at] != ' ' && line[at] != '\t') {
      ++at;
    }
    if (at > start) {
      words.push_back(line.substr(start, at - start));
    }
  }
  return words;
}

// Decimal digits only, no sign, within 0..max.
std::optional<std::uint64_t> ParseUnsigned(std::string_view word, std::uint64_t max) {
  if (word.empty()) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (const char ch : word) {
    if (ch < '0' || ch > '9') {
      return std::nullopt;
    }
    value = value * 10 + static_cast<std::uint64_t>(ch - '0');
    if (value > max) {
      return std::nullopt;
    }
  }
  return value;
}

// A click coordinate: any integer, with an optional leading '-'. Values far off the board
// are kept as far off the board, since they all mean "over no cell".
std::optional<std::int32_t> ParseCoordinate(std::string_view word) {
  const bool negative = !word.empty() && word.front() == '-';
  if (negative) {
    word.remove_prefix(1);
  }
  if (word.empty() || word.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t significant = word.find_first_not_of('0');
  const bool huge = significant != std::string_view::npos && word.size() - significant > 9;
  const std::int32_t magnitude =
      huge ? 1'000'000'000 : static_cast<std::int32_t>(*ParseUnsigned(word, 999'999'999));
  return negative ? -magnitude : magnitude;
}

// Makes a word printable for an error line: no control bytes, not too long.
std::string Printable(std::string_view word) {
  constexpr std::size_t kShown = 40;
  std::string text;
  for (std::size_t i = 0; i < word.size() && i < kShown; ++i) {
    const auto byte = static_cast<unsigned char>(word[i]);
    if (byte < 0x20 || byte >= 0x7F) {
      static constexpr char kHex[] = "0123456789abcdef";
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0xF];
    } else {
      text += static_cast<char>(byte);
    }
  }
  if (word.size() > kShown) {
    text += "...";
  }
  return text;
}

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) {
    text.append(part);
  }
  return text;
}

struct CommandShape {
  std::string_view name;
  std::size_t arguments;
};

constexpr std::array<CommandShape, 12> kCommands = {{{"key", 1},
                                                     {"click", 2},
                                                     {"menu", 1},
                                                     {"close", 1},
                                                     {"answer", 1},
                                                     {"glide", 1},
                                                     {"seed", 1},
                                                     {"tick", 0},
                                                     {"slow", 0},
                                                     {"bad", 0},
                                                     {"wait", 1},
                                                     {"dump", 0}}};

}  // namespace

bool Replay::RunLine(std::string_view line, std::string& error) {
  const std::vector<std::string_view> words = SplitWords(line);
  if (words.empty() || words.front().front() == '#') {
    return true;
  }
  const std::string_view command = words.front();
  const CommandShape* shape = nullptr;
  for (const CommandShape& candidate : kCommands) {
    if (candidate.name == command) {
      shape = &candidate;
    }
  }
  if (shape == nullptr) {
    error = Joined({"unknown command '", Printable(command), "'"});
    return false;
  }
  if (words.size() != shape->arguments + 1) {
    error = Joined({"'", command, "' takes ", std::to_string(shape->arguments), " argument",
                    shape->arguments == 1 ? "" : "s", ", got ", std::to_string(words.size() - 1)});
    return false;
  }
  auto bad = [&](std::string_view what, std::string_view word) {
    error = Joined({"'", command, "': ", what, " '", Printable(word), "'"});
    return false;
  };

  if (command == "key") {
    const auto key = ParseUnsigned(words[1], std::numeric_limits<std::uint16_t>::max());
    if (!key) {
      return bad("key code must be 0 to 65535, not", words[1]);
    }
    game.KeyPressed(static_cast<std::uint16_t>(*key));
  } else if (command == "click") {
    const auto col = ParseCoordinate(words[1]);
    if (!col) {
      return bad("column must be an integer, not", words[1]);
    }
    const auto row = ParseCoordinate(words[2]);
    if (!row) {
      return bad("row must be an integer, not", words[2]);
    }
    game.CellClicked(*col, *row);
  } else if (command == "menu") {
    const std::string_view item = words[1];
    if (item == "exit") {
      game.ExitCommand();
    } else if (item == "instructions") {
      ShowInstructions();
    } else if (item == "start") {
      game.StartCommand();
    } else if (item == "pause") {
      game.PauseCommand();
    } else if (item == "randomise") {
      game.RandomiseCommand();
    } else if (item == "cheat") {
      game.CheatCommand();
    } else if (item == "skip") {
      game.SkipCommand();
    } else if (item == "auto") {
      game.AutoCommand();
    } else if (item == "about") {
      // The About window changes nothing in the game.
    } else {
      return bad("unknown menu item", item);
    }
  } else if (command == "close") {
    if (words[1] != "instructions") {
      return bad("only the instructions window can be closed, not", words[1]);
    }
    instructionsOpen = false;
  } else if (command == "answer") {
    const std::string_view answer = words[1];
    if (answer == "Y" || answer == "N" || answer == "C") {
      host.answers.push_back(answer.front());
    } else if (answer == "none") {
      host.answers.push_back(' ');
    } else {
      return bad("answer must be Y, N, C or none, not", answer);
    }
  } else if (command == "glide") {
    const auto ticked = ParseUnsigned(words[1], 1);
    if (!ticked) {
      return bad("glide must be 0 or 1, not", words[1]);
    }
    game.glide = *ticked == 1;
  } else if (command == "seed") {
    const auto seed = ParseUnsigned(words[1], std::numeric_limits<std::uint32_t>::max());
    if (!seed) {
      return bad("seed must be 0 to 4294967295, not", words[1]);
    }
    game.random.randomSeed = static_cast<std::uint32_t>(*seed);
  } else if (command == "tick") {
    DeliverTimer(0);
  } else if (command == "slow") {
    DeliverTimer(1);
  } else if (command == "bad") {
    DeliverTimer(2);
  } else if (command == "wait") {
    const auto ms = ParseUnsigned(words[1], kMsPerDay);
    if (!ms) {
      return bad("wait must be 0 to 86400000 ms, not", words[1]);
    }
    Wait(static_cast<std::int64_t>(*ms));
  } else {
    Dump();
  }
  return true;
}

namespace {

inline constexpr std::size_t kLongestLine = std::size_t{4} << 20;

enum class LineRead { Line, End, TooLong, Unreadable };

// Reads one line without its end of line. A line longer than any script needs is refused
// rather than read on without bound; a read error is reported, not taken for the end.
LineRead ReadLine(std::istream& script, std::string& line) {
  line.clear();
  std::streambuf* source = script.rdbuf();
  if (source == nullptr) {
    return LineRead::Unreadable;
  }
  try {
    for (;;) {
      const auto next = source->sbumpc();
      if (std::char_traits<char>::eq_int_type(next, std::char_traits<char>::eof())) {
        return line.empty() ? LineRead::End : LineRead::Line;
      }
      const char ch = std::char_traits<char>::to_char_type(next);
      if (ch == '\n') {
        return LineRead::Line;
      }
      if (line.size() == kLongestLine) {
        return LineRead::TooLong;
      }
      line.push_back(ch);
    }
  } catch (...) {
    return LineRead::Unreadable;
  }
}

}  // namespace

int RunScript(std::istream& script, std::ostream& out, std::ostream& err) {
  Replay replay(out);
  std::string line;
  std::uint64_t number = 0;
  while (!replay.Closed()) {
    ++number;
    std::string error;
    switch (ReadLine(script, line)) {
      case LineRead::End:
        out.flush();
        return 0;
      case LineRead::TooLong:
        error = Joined({"longer than ", std::to_string(kLongestLine), " bytes"});
        break;
      case LineRead::Unreadable:
        error = "the script cannot be read";
        break;
      case LineRead::Line:
        if (replay.RunLine(line, error)) {
          continue;
        }
        break;
    }
    out.flush();
    err << "stonewick-replay: line " << number << ": " << error << '\n';
    return 2;
  }
  out.flush();
  return 0;
}

}  // namespace stonewick
