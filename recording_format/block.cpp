// Reading a block's nested lines into a tree, and running the tree at the yield points.
#include "recording_format/block.h"

#include <algorithm>

#include "recording_format/script_lines.h"

namespace stonewick {

namespace {

// Checks the nested lines that follow a block's event and hangs each under the event it ran
// inside. False with `error` set at the first bad line.
bool ReadNestedLines(std::span<const ScriptLine> nested, bool manual, Block& block,
                     ScriptError& error) {
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
    if (!manual) {
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
    if (!MayBeNested(parsed.command)) {
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
    BlockLine& outer = block[lastOfDepth[mark.depth - 1]];
    if (!IsEvent(outer.command)) {
      error.message = Joined({"nested in the 'wait' on line ", std::to_string(outer.number),
                              ", which is not an event"});
      return false;
    }
    if (!outer.nested.empty() && block[outer.nested.back()].yieldPoint > mark.yieldPoint) {
      error.message =
          Joined({"yield point ", std::to_string(mark.yieldPoint), " after yield point ",
                  std::to_string(block[outer.nested.back()].yieldPoint), " of the event on line ",
                  std::to_string(outer.number), ": the yield points of one event never go down"});
      return false;
    }
    outer.nested.push_back(block.size());
    lastOfDepth.resize(std::max(lastOfDepth.size(), mark.depth + 1));
    lastOfDepth[mark.depth] = block.size();
    block.push_back(std::move(parsed));
  }
  return true;
}

}  // namespace

BlockParse ParseBlock(std::span<const ScriptLine> lines, bool manual, Block& block,
                      ScriptError& error, ScriptError& stray) {
  while (!lines.empty() && lines.front().unreadable.empty() && !IsCommandLine(lines.front().text)) {
    lines = lines.subspan(1);
  }
  if (lines.empty()) {
    return BlockParse::Empty;
  }
  const ScriptLine& head = lines.front();
  if (!head.unreadable.empty()) {
    error = {head.number, std::string(head.unreadable)};
    return BlockParse::Bad;
  }
  if (IsNestedLine(head.text)) {
    error = {head.number, "a nested line needs an event on a line above it"};
    return BlockParse::Bad;
  }
  const std::vector<std::string_view> words = SplitWords(head.text);
  block.assign(1, BlockLine{{}, head.number, 0, {}});
  if (!ParseCommand(words, block[0].command, error.message)) {
    error.line = head.number;
    return BlockParse::Bad;
  }
  if (!IsEvent(block[0].command)) {
    const auto nested = std::find_if(lines.begin() + 1, lines.end(), [](const ScriptLine& line) {
      return !line.unreadable.empty() || IsCommandLine(line.text);
    });
    if (nested != lines.end()) {
      stray = {nested->number,
               Joined({"a nested line needs an event above it, and '", words[0], "' on line ",
                       std::to_string(head.number), " is not an event"})};
    }
    return BlockParse::Block;
  }
  if (!ReadNestedLines(lines.subspan(1), manual, block, error)) {
    return BlockParse::Bad;
  }
  return BlockParse::Block;
}

void BlockRunner::Run(const Block& block) {
  block_ = &block;
  running_.clear();
  RunLine(0);
  running_.clear();
  block_ = nullptr;
}

// Runs one line of the block; its nested lines run from YieldPointReached as it goes.
void BlockRunner::RunLine(std::size_t index) {
  running_.push_back({index});
  lines_.Run((*block_)[index].command);
  const RunningEvent ended = running_.back();
  running_.pop_back();
  const std::vector<std::size_t>& nested = (*block_)[index].nested;
  if (ended.nextNested < nested.size() && !lines_.Over()) {
    const BlockLine& missed = (*block_)[nested[ended.nextNested]];
    stop_ = {missed.number,
             Joined({"not run: the event on line ", std::to_string((*block_)[index].number),
                     " ended after ", Counted(ended.yieldPoints, "yield point"),
                     ", before yield point ", std::to_string(missed.yieldPoint)})};
    lines_.Stop();
  }
}

void BlockRunner::YieldPointReached() {
  // Only the yield points of the block's own events count here: those of the events they
  // run are matched by the game's nesting depth.
  if (block_ == nullptr || running_.empty() || lines_.Over() ||
      nesting_.Depth() != running_.size()) {
    return;
  }
  const std::size_t at = running_.size() - 1;
  running_[at].yieldPoints = nesting_.Reached();
  const std::vector<std::size_t>& nested = (*block_)[running_[at].line].nested;
  while (!lines_.Over() && running_[at].nextNested < nested.size() &&
         (*block_)[nested[running_[at].nextNested]].yieldPoint == running_[at].yieldPoints) {
    RunLine(nested[running_[at].nextNested++]);
  }
}

}  // namespace stonewick
