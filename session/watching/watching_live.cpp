// Watching a game that is still being played: what arrives of its recording is read with what
// came before, and takes the place of the recording playing between two blocks, so that the
// block that runs and the blocks already played stay as they were. At the end of what has
// arrived the playback waits, and keeps time with the player meanwhile, a steady second
// behind.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "session/core/session.h"
#include "session/watching/longer_timeline.h"
#include "session/watching/watching.h"

namespace stonewick {
namespace {

// The player's page sends what it recorded every second.
constexpr std::int64_t kLiveBehindMs = 1'000;
// Reading what arrived takes at most a tenth of the time: parts that come sooner wait to be
// read with the next ones.
constexpr std::int64_t kReadsApart = 10;

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
  unread_ += more;
  program_ = program;
  if (!refused_.empty()) {
    said = std::exchange(refused_, {});  // a part read after it was told that it arrived
    return false;
  }
  if (screen_.SteadyMs() < nextReadMs_) {
    return true;  // read with what comes next, or when the playback reaches it
  }
  return ReadUnread(said);
}

bool Watching::ReadUnread(std::string& said) {
  const std::int64_t started = screen_.SteadyMs();
  Timeline longer;
  const int status = ReadLonger(longer_ ? *longer_ : timeline_, unread_, longer, said, program_);
  unread_.clear();
  // The whole recording is read again each time: the longer the game, the fewer the reads.
  const std::int64_t now = screen_.SteadyMs();
  nextReadMs_ = now + kReadsApart * (now - started);
  if (status != 0) {
    return false;
  }
  longer_.emplace(std::move(longer));
  screen_.EndIdle();
  return true;
}

void Watching::Complete() {
  if (!unread_.empty()) {
    std::string said;
    ReadUnread(said);
  }
  live_ = false;
  Show();
  screen_.EndIdle();
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
  if (unread_.empty()) {
    screen_.Idle(-1);
  } else if (const std::int64_t left = nextReadMs_ - screen_.SteadyMs(); left > 0) {
    screen_.Idle(left);
  } else if (std::string said; !ReadUnread(said)) {
    refused_ = said;
  }
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
