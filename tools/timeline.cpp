// Reading a recording into timed blocks, and finding the state at any time in it.
#include "tools/timeline.h"

#include <algorithm>
#include <type_traits>

namespace stonewick {
namespace {

// Keeps each block as it ran, with its times.
class Keeper final : public ScriptWatcher {
 public:
  explicit Keeper(std::vector<TimedBlock>& blocks) : blocks_(blocks) {}
  void BlockRan(const ScriptBlock& block, Block&& parsed, std::int64_t startedMs,
                const Replay& replay) override {
    if (parsed.empty()) {
      return;  // only comments
    }
    TimedBlock& timed = blocks_.emplace_back();
    timed.block = std::move(parsed);
    timed.line = block.lines.front().number;
    timed.startMs = startedMs;
    timed.endMs = replay.host.nowMs;
    timed.stateLines = block.stateLines;
    timed.checkpoints = block.checkpoints;
  }

 private:
  std::vector<TimedBlock>& blocks_;
};

}  // namespace

int Timeline::Read(std::istream& script, std::ostream& err) {
  blocks_.clear();
  std::ostream nowhere(nullptr);
  Keeper keeper(blocks_);
  return RunScript(script, nowhere, err, false, &keeper);
}

PlayPosition Timeline::PositionAt(std::int64_t ms) const {
  ms = std::clamp<std::int64_t>(ms, 0, EndMs());
  // The first block that has not ended by then.
  const auto next = std::find_if(blocks_.begin(), blocks_.end(),
                                 [ms](const TimedBlock& block) { return block.endMs > ms; });
  if (next == blocks_.end()) {
    return {blocks_.size(), EndMs()};
  }
  const bool wait = std::holds_alternative<WaitMs>(next->block.front().command);
  return {static_cast<std::size_t>(next - blocks_.begin()), wait ? ms : next->startMs};
}

PlayPosition Timeline::LastEvent() const {
  for (std::size_t i = blocks_.size(); i-- > 0;) {
    if (blocks_[i].IsEvent()) {
      return {i, blocks_[i].startMs};
    }
  }
  return {0, 0};
}

void Timeline::ReplayTo(PlayPosition position, Replay& replay) const {
  for (std::size_t i = 0; i < position.block && i < blocks_.size(); ++i) {
    replay.RunParsedBlock(blocks_[i].block);
  }
  // Inside a wait: the part of it that has passed.
  if (position.clockMs > replay.host.nowMs) {
    replay.Wait(position.clockMs - replay.host.nowMs);
  }
}

}  // namespace stonewick
