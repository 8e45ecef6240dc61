// The text of a script, below the level of commands: lines split into words, numbers, the
// nesting marks of events that ran inside others, and words made printable for error lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stonewick {

// Blank lines and comments carry no command.
bool IsCommandLine(std::string_view line);
// A command line whose first word starts with '>': an event that ran inside another.
bool IsNestedLine(std::string_view line);

// The words of a line, split at blanks and tabs; a carriage return ending it is a blank.
std::vector<std::string_view> SplitWords(std::string_view line);

// Decimal digits only, no sign, within 0..max.
std::optional<std::uint64_t> ParseUnsigned(std::string_view word, std::uint64_t max);
// A click coordinate: any integer, with an optional leading '-'. Values far off the board
// are kept as far off the board, since they all mean "over no cell".
std::optional<std::int32_t> ParseCoordinate(std::string_view word);

// The nesting mark of a nested line: d '>' signs and the yield point K (from 1), as one word.
struct NestingMark {
  std::size_t depth = 0;
  std::uint64_t yieldPoint = 0;
};
bool ParseNestingMark(std::string_view word, NestingMark& mark, std::string& error);

// A word made printable for an error line: no control bytes, not too long.
std::string Printable(std::string_view word, std::size_t shown = 40);
std::string Joined(std::initializer_list<std::string_view> parts);
// "1 yield point", "3 yield points".
std::string Counted(std::uint64_t count, std::string_view what);

}  // namespace stonewick
