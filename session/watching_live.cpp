// Watching a game that is still being played: what arrives of its recording is read with what
// came before, and takes the place of the recording playing between two blocks, so that the
// block that runs and the blocks already played stay as they were. At the end of what has
// arrived the playback waits, and keeps time with the player meanwhile, a steady second
// behind.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "session/longer_timeline.h"
#include "session/session.h"
#include "session/watching.h"

namespace stonewick {
namespace {

// The player's page sends what it recorded every second.
constexpr std::int64_t kLiveBehindMs = 1'000;

// Whether a block played before more arrived is the same block in the longer recording: a
// block whose nested lines or checkpoints arrived later has grown, and played otherwise.
bool SameBlock(const TimedBlock& played, const TimedBlock& longer) {
  return played.offset == longer.offset && played.line == longer.line &&
         played.startMs == longer.startMs && played.endMs == longer.endMs &&
         played.event == longer.event && played.box == longer.box &&
         played.levelChanged == longer.levelChanged && played.compared == longer.compared;
}

}  // namespace

bool Watching::Append(std::string_view more, std::string& said, std::string_view program) {
  Timeline longer;
  if (ReadLonger(longer_ ? *longer_ : timeline_, more, longer, said, program) != 0) {
    return false;
  }
  longer_.emplace(std::move(longer));
  session_.frontEnd_.EndIdle();
  return true;
}

void Watching::Complete() {
  live_ = false;
  Show();
  session_.frontEnd_.EndIdle();
}

void Watching::TakeLonger() {
  const std::vector<TimedBlock>& played = timeline_.Blocks();
  const bool atTheEnd = position_.block >= played.size();
  const bool lastBlockAlike = !atTheEnd || position_.block == 0 ||
                              (longer_->Blocks().size() >= played.size() &&
                               SameBlock(played.back(), longer_->Blocks()[played.size() - 1]));
  timeline_ = std::move(*longer_);
  longer_.reset();
  MarkTrack();
  atLiveEdge_ = false;
  if (!lastBlockAlike) {
    // The game is brought to the longer block's end through the rules alone, and the pace
    // goes on as it was.
    const std::int64_t played = PlayedMs();
    JumpTo(timeline_.Before(position_.block));
    Anchor(std::max(played, world_.clock.nowMs));
    return;
  }
  reader_.emplace(timeline_, position_.block);
  RevealDifference();
  Show();
}

void Watching::WaitForMore() {
  if (!atLiveEdge_) {
    atLiveEdge_ = true;
    // The playback's time runs on from here as the player's did, a part of the game behind,
    // so that each part plays at its own pace as it comes rather than all at once; what was
    // played meanwhile shows at that distance behind the player.
    if (!livePaced_) {
      livePaced_ = true;
      Anchor(world_.clock.nowMs - kLiveBehindMs);
    }
  }
  session_.frontEnd_.Idle(-1);
}

void Watching::MarkTrack() {
  marks_.clear();
  for (const TimedBlock& block : timeline_.Blocks()) {
    if (block.box) {
      marks_.push_back({WatchMark::Kind::Box, block.startMs});
    }
    if (block.levelChanged) {
      marks_.push_back({WatchMark::Kind::Level, block.endMs});
    }
  }
  if (const auto before = timeline_.BeforeDifference()) {
    marks_.push_back({WatchMark::Kind::Difference, before->clockMs});
  }
}

}  // namespace stonewick
