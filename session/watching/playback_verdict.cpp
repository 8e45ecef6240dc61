// The verdict of a recording being watched, as far as it has played and on the whole.
#include "session/watching/playback_verdict.h"

#include "recording_format/check.h"

namespace stonewick {

void PlaybackVerdict::Compare(const ScriptBlock& block, const Block& parsed,
                              const std::function<std::string()>& stateNow) {
  if (ownDifference_ || (block.checkpoints.empty() && block.stateLines.empty())) {
    return;
  }
  const std::string state = stateNow();
  const bool dump = std::holds_alternative<DumpState>(parsed.front().command);
  RecordingCheck check;
  ScriptError difference;
  if (check.CompareAfter(parsed.front().number, dump, block.stateLines, block.checkpoints, state,
                         state, difference) == RecordingCheck::Verdict::Differs) {
    ownDifference_ = difference;
    ownDifferenceBlockLine_ = parsed.front().number;
  }
}

bool PlaybackVerdict::ReachedAt(std::size_t blocksRun) const {
  const RecordingVerdict& verdict = timeline_.Verdict();
  return (verdict.difference && blocksRun >= verdict.differenceAfter) || ownDifference_;
}

bool PlaybackVerdict::RevealAt(std::size_t blocksRun) {
  if (told_ || !ReachedAt(blocksRun)) {
    return false;
  }
  told_ = true;
  return true;
}

std::uint64_t PlaybackVerdict::DifferenceAfterLine() const {
  const RecordingVerdict& verdict = timeline_.Verdict();
  return verdict.difference && verdict.differenceAfter > 0
             ? timeline_.Blocks()[verdict.differenceAfter - 1].line
             : ownDifferenceBlockLine_;
}

WatchVerdict PlaybackVerdict::OfRecording() const {
  const RecordingVerdict& verdict = timeline_.Verdict();
  WatchVerdict told;
  if (told_ || verdict.difference) {
    told.kind = WatchVerdict::Kind::Differs;
    told.difference = verdict.difference ? *verdict.difference : *ownDifference_;
    told.afterLine = DifferenceAfterLine();
  } else if (!NothingToCompare()) {
    told.kind = WatchVerdict::Kind::AsRecorded;
    told.checkpoints = verdict.checkpoints;
    told.states = verdict.states;
  }
  return told;
}

int PlaybackVerdict::ExitStatus() const {
  // A recording with nothing to compare has not been checked, as --check says too.
  return timeline_.Verdict().difference || ownDifference_ || NothingToCompare() ? 1 : 0;
}

WatchProgress PlaybackVerdict::Progress(std::size_t blocksRun, bool noDifferenceAsked) const {
  if (Differs()) {
    const RecordingVerdict& verdict = timeline_.Verdict();
    return {WatchProgress::Kind::DiffersAt,
            verdict.difference ? verdict.difference->line : ownDifference_->line};
  }
  if (noDifferenceAsked) {
    return {WatchProgress::Kind::NoDifferenceToGoTo, 0};
  }
  if (NothingToCompare()) {
    return {WatchProgress::Kind::NothingToCheck, 0};
  }
  return {WatchProgress::Kind::AllAsRecorded,
          blocksRun == 0 ? 0 : timeline_.Blocks()[blocksRun - 1].compared};
}

bool PlaybackVerdict::NothingToCompare() const {
  return timeline_.Verdict().checkpoints + timeline_.Verdict().states == 0;
}

}  // namespace stonewick
