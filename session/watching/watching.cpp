// Watching a recording: the blocks run one after another through the session's game, waits
// pass in real time at the chosen speed, boxes show while what ran inside them plays, and the
// state after each block is compared with the one the recording wrote.
#include "session/watching.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "lib/pause.h"
#include "recording_format/check.h"
#include "session/session.h"

namespace stonewick {
namespace {

constexpr std::array<double, Watching::kSpeedCount> kSpeeds = {0.25, 0.5, 1, 2, 4, 8, 16};
constexpr std::array<const char*, Watching::kSpeedCount> kSpeedNames = {"1/4x", "1/2x", "1x", "2x",
                                                                        "4x",   "8x",   "16x"};
// Page Down and Page Up jump this far in the recording's time.
constexpr std::int64_t kJumpMs = 10'000;
// A box, or the About window, stays open at least this long at 1x, however soon the
// recording closed it.
constexpr std::int64_t kBoxShownMs = 1'000;

}  // namespace

Watching::Watching(Session& session, Timeline timeline, WatchOptions options)
    : session_(session),
      timeline_(std::move(timeline)),
      options_(std::move(options)),
      world_(session, this) {
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

void Watching::Run() {
  // The game starts exactly where a replay starts.
  JumpTo({});
  while (!session_.Closed() && !takenOver_ && !left_) {
    if (jump_) {
      const PlayPosition to = *jump_;
      jump_.reset();
      JumpTo(to);
    } else if (takeOver_) {
      TakeControls();
    } else if (verdictDue_) {
      verdictDue_ = false;
      TellVerdict(true);
    } else if (world_.Closed() || position_.block >= timeline_.Blocks().size()) {
      if (!toldTheEnd_) {
        toldTheEnd_ = true;
        Show();
        TellTheEnd();
      } else {
        session_.frontEnd_.Idle(-1);
      }
    } else if (paused_ && !stepping_) {
      session_.frontEnd_.Idle(-1);
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
    Compare(block_, parsed_);
    RevealDifference();
  }
  if (stepping_ && timed.event) {
    stepping_ = false;
    Anchor(world_.clock.nowMs);
  }
  Show();
}

void Watching::Compare(const ScriptBlock& block, const Block& parsed) {
  if (ownDifference_ || world_.Closed() ||
      (block.checkpoints.empty() && block.stateLines.empty())) {
    return;
  }
  const std::string state = session_.StateText();
  const bool dump = std::holds_alternative<DumpState>(parsed.front().command);
  RecordingCheck check;
  ScriptError difference;
  if (check.CompareAfter(parsed.front().number, dump, block.stateLines, block.checkpoints, state,
                         state, difference) == RecordingCheck::Verdict::Differs) {
    ownDifference_ = difference;
    ownDifferenceBlockLine_ = parsed.front().number;
  }
}

void Watching::RevealDifference() {
  const RecordingVerdict& verdict = timeline_.Verdict();
  const bool reached = (verdict.difference && position_.block >= verdict.differenceAfter) ||
                       ownDifference_.has_value();
  if (!reached || differenceTold_) {
    return;
  }
  differenceTold_ = true;
  verdictDue_ = true;
  paused_ = true;
  anchorMs_ = world_.clock.nowMs;
  Show();
}

void Watching::TellTheEnd() {
  TellVerdict(differenceTold_);
}

void Watching::TellVerdict(bool differs) {
  if (session_.frontEnd_.TellVerdict(VerdictOfRecording(), differs)) {
    Steer(WatchCommand::ToDifference);
  }
}

WatchVerdict Watching::VerdictOfRecording() const {
  const RecordingVerdict& verdict = timeline_.Verdict();
  WatchVerdict told;
  // The verdict covers the whole recording, reached or not.
  if (differenceTold_ || verdict.difference) {
    told.kind = WatchVerdict::Kind::Differs;
    told.difference = verdict.difference ? *verdict.difference : *ownDifference_;
    told.afterLine = verdict.difference && verdict.differenceAfter > 0
                         ? timeline_.Blocks()[verdict.differenceAfter - 1].line
                         : ownDifferenceBlockLine_;
  } else if (verdict.checkpoints + verdict.states > 0) {
    told.kind = WatchVerdict::Kind::AsRecorded;
    told.checkpoints = verdict.checkpoints;
    told.states = verdict.states;
  }
  return told;
}

int Watching::ExitStatus() const {
  // A recording with nothing to compare has not been checked, as --check says too.
  const RecordingVerdict& verdict = timeline_.Verdict();
  return verdict.difference || ownDifference_ || verdict.checkpoints + verdict.states == 0 ? 1 : 0;
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
  CloseAbout();
  Anchor(world_.clock.nowMs);
  RevealDifference();
  Show();
}

void Watching::Leave() {
  left_ = true;
  CloseAbout();
  session_.frontEnd_.EndIdle();
}

void Watching::JumpToTime(std::int64_t ms) {
  jump_ = timeline_.PositionAt(ms, Landing::Nearest);
  session_.frontEnd_.EndIdle();
}

void Watching::Input(const Event& event) {
  if (const auto* key = std::get_if<KeyPress>(&event)) {
    if (const std::optional<WatchCommand> command = WatchCommandOfKey(key->key)) {
      Steer(*command);
    }
  } else if (EndsTheGame(event)) {
    session_.Close();
    session_.frontEnd_.EndIdle();
  }
}

void Watching::Steer(WatchCommand command) {
  switch (command) {
    case WatchCommand::PauseOrGoOn:
      if (paused_) {
        paused_ = false;
        anchorRealMs_ = session_.frontEnd_.SteadyMs();
      } else {
        anchorMs_ = PlayedMs();
        paused_ = true;
      }
      break;
    case WatchCommand::StepForward:
      stepping_ = paused_;
      break;
    case WatchCommand::StepBack:
      if (paused_) {
        jump_ = timeline_.Before(LastEventBefore(position_.block).value_or(0));
      }
      break;
    case WatchCommand::Faster:
    case WatchCommand::Slower:
      Anchor(PlayedMs());
      speed_ = std::clamp(speed_ + (command == WatchCommand::Slower ? -1 : 1), 0, kSpeedCount - 1);
      break;
    case WatchCommand::JumpForward:
      // A block longer than the jump is passed whole, so that the jumps always move on.
      jump_ = timeline_.PositionAt(ShownMs() + kJumpMs, Landing::After);
      break;
    case WatchCommand::JumpBack:
      jump_ = timeline_.PositionAt(ShownMs() - kJumpMs, Landing::Before);
      break;
    case WatchCommand::ToStart:
      jump_ = PlayPosition{};
      break;
    case WatchCommand::ToEnd:
      jump_ = timeline_.LastEvent();
      break;
    case WatchCommand::ToDifference:
      if (const auto before = timeline_.BeforeDifference()) {
        jump_ = *before;
        paused_ = true;
      } else {
        // Said on the bar until the playback moves on.
        noDifferenceAsked_ = true;
      }
      break;
    case WatchCommand::TakeControls:
      takeOver_ = !world_.Closed();
      break;
  }
  Show();
  session_.frontEnd_.EndIdle();
}

std::optional<std::size_t> Watching::LastEventBefore(std::size_t block) const {
  const std::vector<TimedBlock>& blocks = timeline_.Blocks();
  for (std::size_t i = std::min(block, blocks.size()); i-- > 0;) {
    if (blocks[i].event) {
      return i;
    }
  }
  return std::nullopt;
}

void Watching::TakeControls() {
  takeOver_ = false;
  CloseAbout();
  const std::int64_t clockMs = world_.clock.nowMs;
  std::string opening;
  if (options_.continueInto != nullptr) {
    opening = ContinuedOpening(clockMs);
  }
  takenOver_ = true;
  session_.StopWatching();
  // The game's clock goes on from the recording's, recorded or not: a recording that cannot
  // be written leaves the clock where it stood, not at the time of day.
  session_.live_.ContinueClock(clockMs);
  if (options_.continueInto != nullptr) {
    session_.Record(*options_.continueInto, opening, clockMs);
  }
  Show();
}

std::string Watching::ContinuedOpening(std::int64_t clockMs) const {
  std::uint64_t lastLine = 0;
  const std::string_view kept = timeline_.TextBefore(position_.block, lastLine);
  // The name as one line: a line break in it must not start a script line.
  std::string name = options_.name;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  std::string opening = Recording::Comment(options_.date) + "# Continued from " + name +
                        " at line " + std::to_string(lastLine);
  std::string lines;
  std::int64_t keptMs = 0;
  bool manual = world_.clock.manual;
  const RecordingVerdict& verdict = timeline_.Verdict();
  if ((verdict.difference && position_.block >= verdict.differenceAfter) || ownDifference_) {
    // Past the first difference the old lines' checkpoints are not this game's: the game is
    // recorded again as it played back, with its own checkpoints.
    const std::uint64_t afterLine = verdict.difference && verdict.differenceAfter > 0
                                        ? timeline_.Blocks()[verdict.differenceAfter - 1].line
                                        : ownDifferenceBlockLine_;
    opening += ", as it played back: it played differently from the recording after line " +
               std::to_string(afterLine);
    RecordingText asPlayed;
    Replay replay;
    replay.Record(asPlayed, "manual\n");
    timeline_.ReplayTo(timeline_.Before(position_.block), replay, Timeline::From::Start);
    lines = asPlayed.Text();
    keptMs = replay.session().RecordingClockMs().value_or(0);
    manual = true;
  } else {
    // The new recording holds the old one's lines up to here, checkpoints and all, and goes
    // on with the live game: one recording from its first line.
    lines = std::string(kept);
    if (!lines.empty() && !lines.ends_with('\n')) {
      lines += '\n';
    }
    keptMs = timeline_.Before(position_.block).clockMs;
  }
  opening += "\n" + lines;
  if (clockMs > keptMs) {
    opening += "wait " + std::to_string(clockMs - keptMs) + "\n";
  }
  if (!manual) {
    opening += "manual\n";
  }
  return opening;
}

Watching& Watch(Session& session, Timeline recording, WatchOptions options) {
  auto watching = std::make_unique<Watching>(session, std::move(recording), std::move(options));
  Watching& watched = *watching;
  session.Watch(std::move(watching));
  return watched;
}

// ---- Pacing.

double Watching::Speed() const {
  return kSpeeds[static_cast<std::size_t>(speed_)];
}

std::int64_t Watching::PlayedMs() const {
  if (paused_) {
    return anchorMs_;
  }
  const auto real = static_cast<double>(session_.frontEnd_.SteadyMs() - anchorRealMs_);
  return anchorMs_ + static_cast<std::int64_t>(real * Speed());
}

void Watching::Anchor(std::int64_t ms) {
  anchorMs_ = ms;
  anchorRealMs_ = session_.frontEnd_.SteadyMs();
}

bool Watching::Hurrying() const {
  return stepping_ || jump_.has_value() || takeOver_ || verdictDue_ || left_ || session_.Closed();
}

bool Watching::Ended() const {
  return session_.Closed();
}

void Watching::PassTime(std::int64_t ms) {
  waitingUntil_ = ms;
  while (!Hurrying()) {
    const std::int64_t played = PlayedMs();
    if (played >= ms) {
      break;
    }
    Show();
    if (paused_) {
      session_.frontEnd_.Idle(-1);
      continue;
    }
    // Awake again when the shown second changes, when the About window is due to close, or
    // when the wait is over.
    const std::int64_t until = std::min(ms, (played / 1000 + 1) * 1000);
    auto real = static_cast<std::int64_t>(std::ceil(static_cast<double>(until - played) / Speed()));
    if (aboutOpenedRealMs_) {
      const std::int64_t left = AboutLeftMs();
      if (left <= 0) {
        CloseAbout();
      } else {
        real = std::min(real, left);
      }
    }
    session_.frontEnd_.Idle(std::max<std::int64_t>(real, 1));
  }
  waitingUntil_.reset();
}

void Watching::YieldPoint() {
  if (!Hurrying()) {
    session_.frontEnd_.LetEventsIn();
  }
}

void Watching::HoldBox() {
  const std::int64_t opened = session_.frontEnd_.SteadyMs();
  while (!Hurrying()) {
    const auto shownFor = static_cast<std::int64_t>(static_cast<double>(kBoxShownMs) / Speed());
    const std::int64_t left = shownFor - (session_.frontEnd_.SteadyMs() - opened);
    if (left <= 0) {
      break;
    }
    session_.frontEnd_.Idle(paused_ ? -1 : left);
  }
  // The time the box stood open is the box's own, not the recording's.
  Anchor(world_.clock.nowMs);
}

void Watching::Pause(std::int32_t ms) {
  if (!Hurrying()) {
    session_.frontEnd_.Sleep(
        CappedPauseMs(static_cast<std::int32_t>(static_cast<double>(ms) / Speed())));
  }
}

void Watching::HoldAbout() {
  bool held = false;
  while (aboutOpenedRealMs_ && !Hurrying()) {
    const std::int64_t left = AboutLeftMs();
    if (left <= 0) {
      break;
    }
    held = true;
    session_.frontEnd_.Idle(paused_ ? -1 : left);
  }
  // As with a box: the time the About window stood open is its own, not the recording's.
  if (held) {
    Anchor(world_.clock.nowMs);
  }
}

void Watching::AboutShown() {
  aboutOpenedRealMs_ = session_.frontEnd_.SteadyMs();
}

std::int64_t Watching::AboutLeftMs() const {
  const auto shownFor = static_cast<std::int64_t>(static_cast<double>(kBoxShownMs) / Speed());
  return shownFor - (session_.frontEnd_.SteadyMs() - *aboutOpenedRealMs_);
}

void Watching::CloseAbout() {
  if (aboutOpenedRealMs_) {
    aboutOpenedRealMs_.reset();
    session_.frontEnd_.ShowAbout(false);
  }
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
  status.speed = kSpeedNames[static_cast<std::size_t>(speed_)];
  status.paused = paused_;
  status.finished = world_.Closed() || position_.block >= timeline_.Blocks().size();
  // The whole recording was checked as it was read: a difference further on is known from
  // the start, as the track's mark shows it.
  status.differs = differenceTold_ || timeline_.Verdict().difference.has_value();
  status.marks = &marks_;
  if (status.differs) {
    const RecordingVerdict& verdict = timeline_.Verdict();
    status.progress = {WatchProgress::Kind::DiffersAt,
                       verdict.difference ? verdict.difference->line : ownDifference_->line};
  } else if (noDifferenceAsked_) {
    status.progress = {WatchProgress::Kind::NoDifferenceToGoTo, 0};
  } else if (timeline_.Verdict().checkpoints + timeline_.Verdict().states == 0) {
    status.progress = {WatchProgress::Kind::NothingToCheck, 0};
  } else {
    status.progress = {WatchProgress::Kind::AllAsRecorded,
                       position_.block == 0 ? 0 : timeline_.Blocks()[position_.block - 1].compared};
  }
  return status;
}

void Watching::Show() {
  session_.frontEnd_.ShowWatching(Status());
}

}  // namespace stonewick
