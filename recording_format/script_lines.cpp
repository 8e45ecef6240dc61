// Reading a script's lines and words.
#include "recording_format/script_lines.h"

namespace stonewick {
namespace {

// Deeper nesting than any window runs; refused so that a script cannot exhaust the stack.
constexpr std::size_t kDeepestNesting = 200;

// Any yield point from here on is one no event reaches.
constexpr std::uint64_t kUnreachableYieldPoint = 1'000'000'000'000'000'000;

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

std::vector<std::string_view> SplitWords(std::string_view line) {
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
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

std::string Printable(std::string_view word, std::size_t shown) {
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

std::string Counted(std::uint64_t count, std::string_view what) {
  return Joined({std::to_string(count), " ", what, count == 1 ? "" : "s"});
}

}  // namespace stonewick
