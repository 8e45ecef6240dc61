// Reading replay scripts, one command a line. The script runs line by line as it is read;
// each line is checked in full before any of it runs, so a bad line is reported with its
// number and nothing of it is carried out, while the lines before it have run and printed.
// An event and the events nested in it (its block) are read and checked together before the
// event runs, and the nested ones run at the yield points their lines name.
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <istream>
#include <limits>
#include <optional>
#include <span>
#include <sstream>
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
std::string Printable(std::string_view word, std::size_t shown = 40) {
  std::string text;
  for (std::size_t i = 0; i < word.size() && i < shown; ++i) {
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
  if (word.size() > shown) {
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
  Command::Verb verb;
};

constexpr std::array<CommandShape, 14> kCommands = {{{"key", 1, Command::Verb::Key},
                                                     {"click", 2, Command::Verb::Click},
                                                     {"menu", 1, Command::Verb::Menu},
                                                     {"close", 1, Command::Verb::CloseInstructions},
                                                     {"answer", 1, Command::Verb::Answer},
                                                     {"glide", 1, Command::Verb::Glide},
                                                     {"seed", 1, Command::Verb::Seed},
                                                     {"tick", 0, Command::Verb::Tick},
                                                     {"slow", 0, Command::Verb::Slow},
                                                     {"bad", 0, Command::Verb::Bad},
                                                     {"wait", 1, Command::Verb::Wait},
                                                     {"dump", 0, Command::Verb::Dump},
                                                     {"manual", 0, Command::Verb::Manual},
                                                     {"reading", 1, Command::Verb::Reading}}};

// What reaches the rules as an event of the window; only these can have events nested in them.
bool IsEvent(Command::Verb verb) {
  switch (verb) {
    case Command::Verb::Key:
    case Command::Verb::Click:
    case Command::Verb::Menu:
    case Command::Verb::CloseInstructions:
    case Command::Verb::Tick:
    case Command::Verb::Slow:
    case Command::Verb::Bad:
      return true;
    default:
      return false;
  }
}

// What can happen while another event runs: the events, and the clock moving on.
bool MayBeNested(Command::Verb verb) {
  return IsEvent(verb) || verb == Command::Verb::Wait;
}

// Checks the words of one command (the nesting mark already taken off).
bool ParseCommand(std::span<const std::string_view> words, Command& parsed, std::string& error) {
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
  parsed = Command{};
  parsed.verb = shape->verb;
  switch (shape->verb) {
    case Command::Verb::Key: {
      const auto key = ParseUnsigned(words[1], std::numeric_limits<std::uint16_t>::max());
      if (!key) {
        return bad("key code must be 0 to 65535, not", words[1]);
      }
      parsed.number = *key;
      break;
    }
    case Command::Verb::Click: {
      const auto col = ParseCoordinate(words[1]);
      if (!col) {
        return bad("column must be an integer, not", words[1]);
      }
      const auto row = ParseCoordinate(words[2]);
      if (!row) {
        return bad("row must be an integer, not", words[2]);
      }
      parsed.col = *col;
      parsed.row = *row;
      break;
    }
    case Command::Verb::Menu: {
      const std::optional<MenuCommand> command = MenuCommandNamed(words[1]);
      if (!command) {
        return bad("unknown menu item", words[1]);
      }
      parsed.menuCommand = *command;
      break;
    }
    case Command::Verb::CloseInstructions:
      if (words[1] != "instructions") {
        return bad("only the instructions window can be closed, not", words[1]);
      }
      break;
    case Command::Verb::Answer: {
      const std::optional<char> answer = AnswerNamed(words[1]);
      if (!answer) {
        return bad("answer must be Y, N, C or none, not", words[1]);
      }
      parsed.number = static_cast<unsigned char>(*answer);
      break;
    }
    case Command::Verb::Glide: {
      const auto ticked = ParseUnsigned(words[1], 1);
      if (!ticked) {
        return bad("glide must be 0 or 1, not", words[1]);
      }
      parsed.number = *ticked;
      break;
    }
    case Command::Verb::Seed: {
      const auto seed = ParseUnsigned(words[1], std::numeric_limits<std::uint32_t>::max());
      if (!seed) {
        return bad("seed must be 0 to 4294967295, not", words[1]);
      }
      parsed.number = *seed;
      break;
    }
    case Command::Verb::Wait: {
      const auto ms = ParseUnsigned(words[1], kMsPerDay);
      if (!ms) {
        return bad("wait must be 0 to 86400000 ms, not", words[1]);
      }
      parsed.number = *ms;
      break;
    }
    case Command::Verb::Reading: {
      const auto reading = ParseUnsigned(words[1], std::numeric_limits<std::uint32_t>::max());
      if (!reading) {
        return bad("reading must be 0 to 4294967295, not", words[1]);
      }
      parsed.number = *reading;
      break;
    }
    default:
      break;
  }
  return true;
}

// Deeper nesting than any window runs; refused so that a script cannot exhaust the stack.
inline constexpr std::size_t kDeepestNesting = 200;

// Any yield point from here on is one no event reaches.
inline constexpr std::uint64_t kUnreachableYieldPoint = 1'000'000'000'000'000'000;

// The nesting mark of a nested line: d '>' signs and the yield point K (from 1), as one word.
struct NestingMark {
  std::size_t depth = 0;
  std::uint64_t yieldPoint = 0;
};

bool ParseNestingMark(std::string_view word, NestingMark& mark, std::string& error) {
  mark.depth = word.find_first_not_of('>');
  const std::string_view digits =
      mark.depth == std::string_view::npos ? std::string_view() : word.substr(mark.depth);
  if (mark.depth == 0 || digits.empty() ||
      digits.find_first_not_of("0123456789") != std::string_view::npos) {
    error = Joined({"a nested line starts with '>' signs and a yield point number, not '",
                    Printable(word), "'"});
    return false;
  }
  // A yield point past any count an event reaches is kept as unreachable.
  mark.yieldPoint = ParseUnsigned(digits, kUnreachableYieldPoint).value_or(kUnreachableYieldPoint);
  if (mark.yieldPoint == 0) {
    error = Joined({"yield points count from 1, not '", Printable(word), "'"});
    return false;
  }
  if (mark.depth > kDeepestNesting) {
    error = Joined({"nested deeper than ", std::to_string(kDeepestNesting), " events"});
    return false;
  }
  return true;
}

std::string Counted(std::uint64_t count, std::string_view what) {
  return Joined({std::to_string(count), " ", what, count == 1 ? "" : "s"});
}

}  // namespace

bool IsCommandLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);  // as SplitWords takes it
  }
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] != '#';
}

bool IsNestedLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] == '>';
}

void Replay::Execute(const Command& command) {
  switch (command.verb) {
    case Command::Verb::Key:
      game.KeyPressed(static_cast<std::uint16_t>(command.number));
      break;
    case Command::Verb::Click:
      game.CellClicked(command.col, command.row);
      break;
    case Command::Verb::Menu:
      // The About window changes nothing in the game.
      if (command.menuCommand == MenuCommand::Instructions) {
        ShowInstructions();
      } else {
        game.RunCommand(command.menuCommand);
      }
      break;
    case Command::Verb::CloseInstructions:
      instructionsOpen = false;
      break;
    case Command::Verb::Answer:
      host.answers.push_back(static_cast<char>(command.number));
      break;
    case Command::Verb::Glide:
      game.glide = command.number == 1;
      break;
    case Command::Verb::Seed:
      game.random.randomSeed = static_cast<std::uint32_t>(command.number);
      break;
    case Command::Verb::Tick:
      DeliverTimer(kMainTimer);
      break;
    case Command::Verb::Slow:
      DeliverTimer(kSlowTimer);
      break;
    case Command::Verb::Bad:
      DeliverTimer(kBadStepTimer);
      break;
    case Command::Verb::Wait:
      Wait(static_cast<std::int64_t>(command.number));
      break;
    case Command::Verb::Dump:
      Dump();
      break;
    case Command::Verb::Manual:
      host.manual = true;
      for (VirtualTimer& timer : host.timers) {
        timer.due = kNeverDue;
      }
      break;
    case Command::Verb::Reading:
      host.readings.push_back(static_cast<std::uint32_t>(command.number));
      break;
  }
}

bool Replay::RunLine(std::string_view line, std::string& error) {
  if (!IsCommandLine(line)) {
    return true;
  }
  const ScriptLine only{1, line, {}};
  ScriptError bad;
  if (RunBlock(std::span(&only, 1), bad) == BlockOutcome::Ran) {
    return true;
  }
  error = bad.message;
  return false;
}

BlockOutcome Replay::RunBlock(std::span<const ScriptLine> block, ScriptError& error) {
  if (host.stopped) {
    error = stop_;  // nothing runs after a stop
    return BlockOutcome::Stopped;
  }
  while (!block.empty() && block.front().unreadable.empty() && !IsCommandLine(block.front().text)) {
    block = block.subspan(1);
  }
  if (block.empty()) {
    return BlockOutcome::Ran;
  }
  const ScriptLine& head = block.front();
  if (!head.unreadable.empty()) {
    error = {head.number, std::string(head.unreadable)};
    return BlockOutcome::Rejected;
  }
  if (IsNestedLine(head.text)) {
    error = {head.number, "a nested line needs an event on a line above it"};
    return BlockOutcome::Rejected;
  }
  const std::vector<std::string_view> words = SplitWords(head.text);
  Command command;
  if (!ParseCommand(words, command, error.message)) {
    error.line = head.number;
    return BlockOutcome::Rejected;
  }
  if (!IsEvent(command.verb)) {
    Execute(command);
    const auto nested = std::find_if(block.begin() + 1, block.end(), [](const ScriptLine& line) {
      return !line.unreadable.empty() || IsCommandLine(line.text);
    });
    if (nested != block.end()) {
      error = {nested->number,
               Joined({"a nested line needs an event above it, and '", words[0], "' on line ",
                       std::to_string(head.number), " is not an event"})};
      return BlockOutcome::Stopped;
    }
    return BlockOutcome::Ran;
  }
  block_.assign(1, BlockLine{command, head.number, 0, {}});
  if (!ReadBlock(block.subspan(1), error)) {
    block_.clear();
    return BlockOutcome::Rejected;
  }
  running_.clear();
  RunBlockLine(0);
  block_.clear();
  if (stop_.line != 0) {
    error = stop_;
    return BlockOutcome::Stopped;
  }
  return BlockOutcome::Ran;
}

// Checks the nested lines of a block and hangs each under the event it ran inside.
bool Replay::ReadBlock(std::span<const ScriptLine> nested, ScriptError& error) {
  std::vector<std::size_t> lastOfDepth = {0};  // the last line of each depth so far
  for (const ScriptLine& line : nested) {
    error.line = line.number;
    if (!line.unreadable.empty()) {
      error.message = line.unreadable;
      return false;
    }
    if (!IsCommandLine(line.text)) {
      continue;
    }
    const std::vector<std::string_view> words = SplitWords(line.text);
    NestingMark mark;
    if (!ParseNestingMark(words.front(), mark, error.message)) {
      return false;
    }
    if (!host.manual) {
      error.message = "a nested line needs 'manual' on a line before its block";
      return false;
    }
    if (words.size() == 1) {
      error.message = Joined({"'", Printable(words.front()), "' is followed by no command"});
      return false;
    }
    BlockLine parsed{{}, line.number, mark.yieldPoint, {}};
    if (!ParseCommand(std::span(words).subspan(1), parsed.command, error.message)) {
      return false;
    }
    if (!MayBeNested(parsed.command.verb)) {
      error.message = Joined({"'", words[1],
                              "' cannot be nested: only key, click, menu, close, tick, slow, "
                              "bad and wait can"});
      return false;
    }
    if (mark.depth > lastOfDepth.size()) {
      error.message = Joined({"depth ", std::to_string(mark.depth), " with no line of depth ",
                              std::to_string(mark.depth - 1), " above it in its block"});
      return false;
    }
    BlockLine& outer = block_[lastOfDepth[mark.depth - 1]];
    if (outer.command.verb == Command::Verb::Wait) {
      error.message = Joined({"nested in the 'wait' on line ", std::to_string(outer.number),
                              ", which is not an event"});
      return false;
    }
    if (!outer.nested.empty() && block_[outer.nested.back()].yieldPoint > mark.yieldPoint) {
      error.message =
          Joined({"yield point ", std::to_string(mark.yieldPoint), " after yield point ",
                  std::to_string(block_[outer.nested.back()].yieldPoint), " of the event on line ",
                  std::to_string(outer.number), ": the yield points of one event never go down"});
      return false;
    }
    outer.nested.push_back(block_.size());
    lastOfDepth.resize(std::max(lastOfDepth.size(), mark.depth + 1));
    lastOfDepth[mark.depth] = block_.size();
    block_.push_back(std::move(parsed));
  }
  return true;
}

// Runs one line of the block; its nested lines run from Reached() as it makes its calls.
void Replay::RunBlockLine(std::size_t index) {
  running_.push_back({index});
  Execute(block_[index].command);
  const RunningEvent ended = running_.back();
  running_.pop_back();
  const std::vector<std::size_t>& nested = block_[index].nested;
  if (ended.nextNested < nested.size() && !host.closed && !host.stopped) {
    const BlockLine& missed = block_[nested[ended.nextNested]];
    stop_ = {missed.number,
             Joined({"not run: the event on line ", std::to_string(block_[index].number),
                     " ended after ", Counted(ended.yieldPoints, "yield point"),
                     ", before yield point ", std::to_string(missed.yieldPoint)})};
    host.stopped = true;
  }
}

void Replay::Reached() {
  if (running_.empty() || host.closed || host.stopped) {
    return;
  }
  const std::size_t at = running_.size() - 1;
  running_[at].yieldPoints += 1;
  const std::vector<std::size_t>& nested = block_[running_[at].line].nested;
  while (!host.closed && !host.stopped && running_[at].nextNested < nested.size() &&
         block_[nested[running_[at].nextNested]].yieldPoint == running_[at].yieldPoints) {
    const std::size_t next = nested[running_[at].nextNested++];
    RunBlockLine(next);
  }
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

// A line as read from the script: the text, or why it could not be read.
struct ReadScriptLine {
  LineRead read = LineRead::End;
  std::uint64_t number = 0;
  std::string text;
};

// The lines a dump printed, compared with those written after it behind "#= ". Empty when
// they are the same, otherwise what differs first.
std::string DumpDifference(std::string_view printed, const std::vector<std::string>& expected) {
  auto quoted = [](std::string_view text) { return Joined({"\"", Printable(text, 200), "\""}); };
  std::vector<std::string_view> seen;
  for (std::size_t at = 0; at < printed.size();) {
    const std::size_t end = printed.find('\n', at);
    seen.push_back(printed.substr(at, end - at));
    at = end == std::string_view::npos ? printed.size() : end + 1;
  }
  for (std::size_t i = 0; i < std::max(seen.size(), expected.size()); ++i) {
    if (i < seen.size() && i < expected.size() && seen[i] == expected[i]) {
      continue;
    }
    return Joined({"dump line ", std::to_string(i + 1), " differs: expected ",
                   i < expected.size() ? quoted(expected[i]) : "no more lines", ", seen ",
                   i < seen.size() ? quoted(seen[i]) : "no more lines"});
  }
  return {};
}

}  // namespace

// Reads the script a block at a time: a command line and the nested lines after it, found by
// reading on to the next command line that is not nested. That line is judged only once the
// block has run, so a bad line after the window closed is never reached.
int RunScript(std::istream& script, std::ostream& out, std::ostream& err, bool checkDumps) {
  // With checkDumps each block prints here first, so that a dump can be compared.
  std::ostringstream printed;
  Replay replay(checkDumps ? printed : out);
  std::uint64_t number = 0;
  auto readLine = [&](ReadScriptLine& line) {
    line.read = ReadLine(script, line.text);
    line.number = ++number;
  };
  auto fail = [&](std::uint64_t line, std::string_view error, int status) {
    out.flush();
    err << "stonewick-replay: line " << line << ": " << error << '\n';
    return status;
  };
  const std::string tooLong = Joined({"longer than ", std::to_string(kLongestLine), " bytes"});

  std::vector<ReadScriptLine> lines;  // the block's lines as read
  std::vector<ScriptLine> block;      // and as the replay takes them
  std::vector<std::string> expected;  // the "#= " lines after the block's first line
  ReadScriptLine head;
  do {
    readLine(head);
  } while (head.read == LineRead::Line && !IsCommandLine(head.text));
  for (;;) {
    switch (head.read) {
      case LineRead::End:
        out.flush();
        return 0;
      case LineRead::TooLong:
        return fail(head.number, tooLong, 2);
      case LineRead::Unreadable:
        return fail(head.number, "the script cannot be read", 2);
      case LineRead::Line:
        break;
    }
    lines.clear();
    lines.push_back(std::move(head));
    expected.clear();
    ReadScriptLine next;
    for (;;) {
      readLine(next);
      if (next.read == LineRead::Line && !IsCommandLine(next.text)) {
        if (checkDumps && next.text.starts_with("#= ")) {
          std::string_view shown = std::string_view(next.text).substr(3);
          if (shown.ends_with('\r')) {
            shown.remove_suffix(1);
          }
          expected.emplace_back(shown);
        }
        continue;
      }
      const bool nested = (next.read == LineRead::Line || next.read == LineRead::TooLong) &&
                          IsNestedLine(next.text);
      if (!nested) {
        break;
      }
      const bool whole = next.read == LineRead::Line;
      lines.push_back(std::move(next));
      if (!whole) {
        next = {};  // a line too long to read on past: the block is bad and ends there
        break;
      }
    }

    block.clear();
    for (const ReadScriptLine& line : lines) {
      block.push_back({line.number, line.text,
                       line.read == LineRead::TooLong ? std::string_view(tooLong) : ""});
    }
    ScriptError error;
    const BlockOutcome outcome = replay.RunBlock(block, error);
    if (checkDumps) {
      const std::string shown = printed.str();
      out << shown;
      printed.str({});
      const std::vector<std::string_view> words = SplitWords(block.front().text);
      if (outcome == BlockOutcome::Ran && !expected.empty() && words.front() == "dump") {
        const std::string difference = DumpDifference(shown, expected);
        if (!difference.empty()) {
          return fail(block.front().number, difference, 1);
        }
      }
    }
    if (outcome != BlockOutcome::Ran) {
      return fail(error.line, error.message, 2);
    }
    if (replay.Closed()) {
      out.flush();
      return 0;
    }
    head = std::move(next);
  }
}

}  // namespace stonewick
