// Comparing what the replay reached with what the recording expected.
#include "recording_format/check.h"

#include <algorithm>

#include "recording_format/script_lines.h"

namespace stonewick {
namespace {

std::string Quoted(std::string_view text) {
  return Joined({"\"", Printable(text, 200), "\""});
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    lines.push_back(text.substr(at, end - at));
    at = end == std::string_view::npos ? text.size() : end + 1;
  }
  return lines;
}

}  // namespace

bool IsCheckpoint(std::string_view text) {
  return text.size() == 8 && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

RecordingCheck::Verdict RecordingCheck::CompareCheckpoints(
    const std::vector<StateLine>& checkpoints, std::uint64_t blockLine, const std::string& state,
    ScriptError& error) {
  if (checkpoints.empty()) {
    return Verdict::Same;
  }
  const std::string seen = Checkpoint(state);
  for (const StateLine& checkpoint : checkpoints) {
    if (!IsCheckpoint(checkpoint.text)) {
      error = {checkpoint.number,
               Joined({"a checkpoint is eight lower-case hexadecimal digits, not '",
                       Printable(checkpoint.text), "'"})};
      return Verdict::Bad;
    }
    ++checkpoints_;
    if (checkpoint.text != seen) {
      const std::string where =
          blockLine == 0
              ? "the state at the start"
              : Joined({"the state after the block of line ", std::to_string(blockLine)});
      error = {checkpoint.number,
               Joined({where, " differs from its checkpoint: expected ", checkpoint.text, ", seen ",
                       seen}),
               StateDifference{StateDifference::Kind::Checkpoint, blockLine, 0,
                               std::string(checkpoint.text), seen}};
      return Verdict::Differs;
    }
  }
  return Verdict::Same;
}

RecordingCheck::Verdict RecordingCheck::CompareStart(const std::vector<StateLine>& checkpoints,
                                                     const std::string& state, ScriptError& error) {
  return CompareCheckpoints(checkpoints, 0, state, error);
}

RecordingCheck::Verdict RecordingCheck::CompareBlock(const ScriptBlock& block,
                                                     std::string_view printed,
                                                     const std::string& state, ScriptError& error) {
  const std::vector<std::string_view> words = SplitWords(block.lines.front().text);
  return CompareAfter(block.lines.front().number, words.front() == "dump", block.stateLines,
                      block.checkpoints, printed, state, error);
}

RecordingCheck::Verdict RecordingCheck::CompareAfter(std::uint64_t blockLine, bool dump,
                                                     const std::vector<StateLine>& stateLines,
                                                     const std::vector<StateLine>& checkpoints,
                                                     std::string_view printed,
                                                     const std::string& state, ScriptError& error) {
  if (!stateLines.empty() && dump) {
    const std::vector<std::string_view> seen = Lines(printed);
    const std::vector<StateLine>& expected = stateLines;
    ++states_;
    for (std::size_t i = 0; i < std::max(seen.size(), expected.size()); ++i) {
      if (i < seen.size() && i < expected.size() && seen[i] == expected[i].text) {
        continue;
      }
      const std::uint64_t line = expected[std::min(i, expected.size() - 1)].number;
      error = {line,
               Joined({"dump line ", std::to_string(i + 1), " of the dump on line ",
                       std::to_string(blockLine), " differs: expected ",
                       i < expected.size() ? Quoted(expected[i].text) : "no more lines", ", seen ",
                       i < seen.size() ? Quoted(seen[i]) : "no more lines"}),
               StateDifference{StateDifference::Kind::DumpLine, blockLine, i + 1,
                               i < expected.size()
                                   ? std::optional<std::string>(Printable(expected[i].text, 200))
                                   : std::nullopt,
                               i < seen.size() ? std::optional<std::string>(Printable(seen[i], 200))
                                               : std::nullopt}};
      return Verdict::Differs;
    }
  }
  return CompareCheckpoints(checkpoints, blockLine, state, error);
}

}  // namespace stonewick
