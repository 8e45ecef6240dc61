// Watching a recording: the blocks run one after another through the session's game, the
// state after each is compared with the one the recording wrote, jumps land on states reached
// through the rules alone, and the player may take the controls.
#include "session/watching/watching.h"

#include <algorithm>
#include <utility>

#include "session/watching/continued_recording.h"

namespace stonewick {

Watching::Watching(SessionCore& session, Timeline timeline, WatchOptions options)
    : session_(session),
      screen_(session.Screen()),
      timeline_(std::move(timeline)),
      options_(std::move(options)),
      world_(session, this),
      live_(options_.live) {
  MarkTrack();
}

void Watching::Run() {
  // The game starts exactly where a replay starts; a game still being played is joined at its
  // last event, to be watched as it goes on (Home goes back to its start).
  JumpTo(live_ ? timeline_.LastEvent() : PlayPosition{});
  while (!session_.Closed() && !takenOver_ && !left_) {
    if (jump_) {
      const PlayPosition to = *jump_;
      jump_.reset();
      JumpTo(to);
    } else if (takeOver_) {
      TakeControls();
    } else if (longer_) {
      TakeLonger();
    } else if (verdictDue_) {
      verdictDue_ = false;
      TellVerdict(true);
    } else if (world_.Closed() || position_.block >= timeline_.Blocks().size()) {
      if (live_) {
        WaitForMore();
      } else if (!toldTheEnd_) {
        toldTheEnd_ = true;
        Show();
        TellVerdict(verdict_.Told());
      } else {
        screen_.Idle(-1);
      }
    } else if (clock_.Paused() && !stepping_) {
      screen_.Idle(-1);
    } else {
      RunNextBlock();
    }
  }
}

void Watching::RunNextBlock() {
  const TimedBlock& timed = timeline_.Blocks()[position_.block];
  if (!reader_->Next(block_, parsed_)) {
    position_.block = timeline_.Blocks().size();  // the text ran out before its blocks
    return;
  }
  if (timed.event) {
    HoldAbout();
    CloseAbout();
  }
  if (timed.wait && world_.clock.nowMs > timed.startMs) {
    world_.Wait(timed.endMs - world_.clock.nowMs);  // the rest of a wait a jump landed in
  } else {
    world_.RunBlock(parsed_);
  }
  ++position_.block;
  position_.clockMs = world_.clock.nowMs;
  noDifferenceAsked_ = false;
  if (!session_.Closed()) {
    if (!world_.Closed()) {
      verdict_.Compare(block_, parsed_, [this] { return session_.StateText(); });
    }
    RevealDifference();
  }
  if (stepping_ && timed.event) {
    stepping_ = false;
    Anchor(world_.clock.nowMs);
  }
  Show();
}

void Watching::RevealDifference() {
  if (!verdict_.RevealAt(position_.block)) {
    return;
  }
  verdictDue_ = true;
  clock_.PauseAt(world_.clock.nowMs);
  Show();
}

void Watching::TellVerdict(bool differs) {
  tellingVerdict_ = true;
  const bool toDifference = screen_.TellVerdict(verdict_.OfRecording(), differs);
  tellingVerdict_ = false;
  if (toDifference) {
    Steer(WatchCommand::ToDifference);
  }
}

void Watching::JumpTo(PlayPosition position) {
  // The state at that time, reached through the rules alone with nothing drawn on the way,
  // then taken over whole and shown.
  Replay replay;
  timeline_.ReplayTo(position, replay);
  session_.TakeOver(replay.session());
  world_.TakeOver(replay.script());
  position_ = {position.block, world_.clock.nowMs};
  noDifferenceAsked_ = false;
  reader_.emplace(timeline_, position.block);
  toldTheEnd_ = false;
  livePaced_ = false;
  CloseAbout();
  Anchor(world_.clock.nowMs);
  RevealDifference();
  Show();
}

void Watching::Leave() {
  left_ = true;
  CloseAbout();
  screen_.EndIdle();
}

void Watching::TakeControls() {
  takeOver_ = false;
  CloseAbout();
  const std::int64_t clockMs = world_.clock.nowMs;
  std::string opening;
  if (options_.continueInto != nullptr) {
    ContinuedFrom from{options_.name, options_.date,       position_.block,
                       clockMs,       world_.clock.manual, std::nullopt};
    if (verdict_.ReachedAt(position_.block)) {
      from.differedAfterLine = verdict_.DifferenceAfterLine();
    }
    opening = ContinuedOpening(timeline_, from);
  }
  takenOver_ = true;
  // The recording's clock gives way to the host's: the timers start a new interval from now.
  session_.BackToLivePlay();
  // The game's clock goes on from the recording's, recorded or not: a recording that cannot
  // be written leaves the clock where it stood, not at the time of day.
  session_.LivePlay().ContinueClock(clockMs);
  if (options_.continueInto != nullptr) {
    session_.Record(*options_.continueInto, opening, clockMs);
  }
  Show();
}

std::int64_t Watching::ShownMs() const {
  if (!waitingUntil_) {
    return world_.clock.nowMs;
  }
  return std::clamp(PlayedMs(), world_.clock.nowMs, std::max(world_.clock.nowMs, *waitingUntil_));
}

WatchStatus Watching::Status() const {
  WatchStatus status;
  status.watching = !takenOver_;
  status.name = options_.name;
  status.positionMs = ShownMs();
  status.lengthMs = timeline_.EndMs();
  status.speed = clock_.SpeedName();
  status.paused = clock_.Paused();
  status.live = live_;
  status.finished = !live_ && (world_.Closed() || position_.block >= timeline_.Blocks().size());
  // The whole recording was checked as it was read: a difference further on is known from
  // the start, as the track's mark shows it.
  status.differs = verdict_.Differs();
  status.marks = &marks_;
  status.progress = verdict_.Progress(position_.block, noDifferenceAsked_);
  return status;
}

void Watching::Show() {
  screen_.ShowWatching(Status());
}

Watching& Watch(Session& session, Timeline recording, WatchOptions options) {
  auto watching =
      std::make_unique<Watching>(session.Core(), std::move(recording), std::move(options));
  Watching& watched = *watching;
  session.Watch(std::move(watching));
  return watched;
}

}  // namespace stonewick
