// Reading a recording into timed blocks, and finding the state at any time in it.
#include "session/watching/timeline.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "recording_format/check.h"
#include "session/scripts/run_script.h"

namespace stonewick {
namespace {

// A state is kept after this many blocks: an hour's recording (some 80 000 blocks) keeps a
// few hundred, a few megabytes, and a jump replays at most this many blocks (well under a
// millisecond).
constexpr std::size_t kBlocksBetweenSnapshots = 256;

}  // namespace

// Keeps where each block begins, its times and what it showed, and checks the state after
// it, as the whole script runs. Unlike --check, it goes on after a difference: the rest of
// the recording can still be watched.
class TimelineKeeper final : public ScriptWatcher {
 public:
  std::vector<TimedBlock> blocks;
  std::vector<KeptState> snapshots;
  RecordingVerdict verdict;

  void Opening(const std::vector<StateLine>& checkpoints, const Replay& replay) override {
    if (!checkpoints.empty()) {
      Judge(check_.CompareStart(checkpoints, replay.StateText(), error_));
    }
    level_ = replay.game().level;
  }

  void BlockRan(const ScriptBlock& block, Block&& parsed, std::string_view printed,
                std::int64_t startedMs, const Replay& replay) override {
    if (parsed.empty()) {
      return;  // only comments
    }
    const Command& command = parsed.front().command;
    const bool box = printed.starts_with("info ") || printed.starts_with("confirm ") ||
                     printed.find("\ninfo ") != std::string_view::npos ||
                     printed.find("\nconfirm ") != std::string_view::npos;
    const std::int32_t level = replay.game().level;
    blocks.push_back({block.offset, block.lines.front().number, startedMs,
                      replay.script().clock.nowMs, IsEvent(command),
                      std::holds_alternative<WaitMs>(command), box, level != level_});
    level_ = level;
    if (!replay.Closed() && !bad_) {
      const std::string state = block.checkpoints.empty() ? std::string() : replay.StateText();
      Judge(check_.CompareBlock(block, printed, state, error_));
    }
    blocks.back().compared = check_.CheckpointsCompared() + check_.StatesCompared();
    // A jump restores the nearest state kept before it and replays only the blocks after.
    if (blocks.size() % kBlocksBetweenSnapshots == 0 && !replay.Closed()) {
      snapshots.push_back({blocks.size(), replay.Snapshot()});
    }
  }

  // 2 after the error line when a checkpoint line is no checkpoint.
  int Finish(int status, std::string& said, std::string_view program) {
    verdict.checkpoints = check_.CheckpointsCompared();
    verdict.states = check_.StatesCompared();
    if (status == 0 && bad_) {
      said += std::string(program) + ": line " + std::to_string(badLine_.line) + ": " +
              badLine_.message + "\n";
      return 2;
    }
    return status;
  }

 private:
  void Judge(RecordingCheck::Verdict judged) {
    RecordingVerdict& kept = verdict;
    if (judged == RecordingCheck::Verdict::Bad && !bad_) {
      bad_ = true;
      badLine_ = error_;
    } else if (judged == RecordingCheck::Verdict::Differs && !kept.difference) {
      kept.difference = error_;
      kept.differenceAfter = blocks.size();
    }
  }

  RecordingCheck check_;
  ScriptError error_;
  bool bad_ = false;
  ScriptError badLine_;
  std::int32_t level_ = 0;
};

int Timeline::Read(LineSource& script, std::string& said, std::string_view program) {
  text_ = std::make_shared<std::string>();
  KeptLines kept(script, *text_);
  NoText nowhere;
  TimelineKeeper keeper;
  const int status =
      keeper.Finish(RunScript(kept, nowhere, said, {false, &keeper, program}), said, program);
  blocks_ = std::move(keeper.blocks);
  snapshots_ = std::move(keeper.snapshots);
  verdict_ = keeper.verdict;
  return status;
}

PlayPosition Timeline::PositionAt(std::int64_t ms, Landing landing) const {
  ms = std::clamp<std::int64_t>(ms, 0, EndMs());
  // The first block that has not ended by then.
  const auto next = std::find_if(blocks_.begin(), blocks_.end(),
                                 [ms](const TimedBlock& block) { return block.endMs > ms; });
  if (next == blocks_.end()) {
    return {blocks_.size(), EndMs()};
  }
  const auto block = static_cast<std::size_t>(next - blocks_.begin());
  if (next->wait || ms <= next->startMs) {
    return {block, next->wait ? ms : next->startMs};
  }
  const bool after = landing == Landing::After ||
                     (landing == Landing::Nearest && ms - next->startMs >= next->endMs - ms);
  return after ? Before(block + 1) : Before(block);
}

std::optional<PlayPosition> Timeline::BeforeDifference() const {
  if (!verdict_.difference) {
    return std::nullopt;
  }
  // The block whose state differed is the last one run when the difference showed.
  return Before(verdict_.differenceAfter == 0 ? 0 : verdict_.differenceAfter - 1);
}

PlayPosition Timeline::Before(std::size_t block) const {
  if (block >= blocks_.size()) {
    return {blocks_.size(), EndMs()};
  }
  return {block, blocks_[block].startMs};
}

std::string_view Timeline::TextBefore(std::size_t block, std::uint64_t& lastLine) const {
  if (block >= blocks_.size()) {
    lastLine = static_cast<std::uint64_t>(std::count(text_->begin(), text_->end(), '\n'));
    if (!text_->empty() && text_->back() != '\n') {
      ++lastLine;
    }
    return *text_;
  }
  lastLine = blocks_[block].line - 1;
  return std::string_view(*text_).substr(0, blocks_[block].offset);
}

PlayPosition Timeline::LastEvent() const {
  for (std::size_t i = blocks_.size(); i-- > 0;) {
    if (blocks_[i].event) {
      return {i, blocks_[i].startMs};
    }
  }
  return {0, 0};
}

Timeline::Reader::Reader(const Timeline& timeline, std::size_t first)
    : left_(timeline.blocks_.size() - std::min(first, timeline.blocks_.size())),
      text_(timeline.text_),
      lines_(std::string_view(*text_).substr(left_ > 0 ? timeline.blocks_[first].offset
                                                       : text_->size())),
      reader_(lines_, left_ > 0 ? timeline.blocks_[first].line : 1,
              left_ > 0 ? timeline.blocks_[first].offset : 0) {}

bool Timeline::Reader::Next(ScriptBlock& block, Block& parsed) {
  ScriptError error;
  ScriptError stray;
  // The whole script has run once already: every kept block reads and parses.
  if (left_ == 0 || reader_.Read(block, error) != ScriptReader::Next::Block ||
      ParseBlock(block.lines, true, parsed, error, stray) != BlockParse::Block) {
    return false;
  }
  --left_;
  return true;
}

void Timeline::ReplayTo(PlayPosition position, Replay& replay, From from) const {
  std::size_t first = 0;
  if (from == From::NearestSnapshot) {
    const auto after = std::upper_bound(
        snapshots_.begin(), snapshots_.end(), position.block,
        [](std::size_t block, const KeptState& kept) { return block < kept.block; });
    if (after != snapshots_.begin()) {
      first = std::prev(after)->block;
      replay.Restore(std::prev(after)->state);
    }
  }
  Reader reader(*this, first);
  ScriptBlock block;
  Block parsed;
  for (std::size_t i = first; i < position.block && reader.Next(block, parsed); ++i) {
    replay.RunParsedBlock(parsed);
  }
  // Inside a wait: the part of it that has passed.
  if (position.clockMs > replay.script().clock.nowMs) {
    replay.Wait(position.clockMs - replay.script().clock.nowMs);
  }
}

}  // namespace stonewick
