// Reading a block's nested lines into a tree, and running the tree at the yield points.
#include "tools/block.h"

#include <algorithm>

#include "tools/script_lines.h"

namespace stonewick {

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
