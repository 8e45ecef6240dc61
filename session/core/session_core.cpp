// The game's course shared by every way of playing: start-up, the one door for events with
// the recording around them, the timers' loop, and whole states taken and restored.
#include "session/core/session_core.h"

#include <algorithm>

#include "session/core/english_words.h"

namespace stonewick {

SessionCore::SessionCore(FrontEnd& frontEnd) : frontEnd_(frontEnd) {}

void SessionCore::Start() {
  game_.Start();
  ShowCommands();
}

void SessionCore::Feed(const Event& event) {
  if (!recorder_) {
    game_.Apply(event);
  } else if (EndsTheGame(event) && game_.Nesting().Depth() == 0) {
    // The recording ends with the state the game is left in.
    recorder_->EndWithState(StateText());
    game_.Apply(event);
  } else {
    recorder_->BeginEvent(event);
    game_.Apply(event);
    recorder_->EndEvent([this] { return StateText(); });
  }
}

void SessionCore::AdvanceTime(std::int64_t untilMs) {
  // In live play each timer fires at most once an advance, as it fires at the time it is
  // handled and is then due an interval later: waiting input gets its turn between.
  while (!world_->Ended()) {
    const std::optional<GameTimer> timer = timers_.NextDue(untilMs);
    if (!timer) {
      break;
    }
    const std::int64_t firedAt = world_->TimerFiresAt(timers_[*timer].due);
    timers_.Fire(*timer, firedAt);
    Feed(TimerTick{*timer});
    timers_.TickEnded(*timer);
  }
}

void SessionCore::SetGlide(bool on) {
  game_.SetGlide(on);
  RecordSetup(on ? "glide 1" : "glide 0");
}

void SessionCore::SetSeed(std::uint32_t seed) {
  game_.SetSeed(seed);
  RecordSetup("seed " + std::to_string(seed));
}

void SessionCore::RecordSetup(std::string_view line) {
  if (recorder_) {
    recorder_->Setup(line);
  }
}

bool SessionCore::Record(RecordingSink& sink, const std::string& opening, std::int64_t clockMs) {
  // The recording's clock: whole milliseconds on the timers' clock of the world the game is
  // in, counted on from `clockMs` as of now.
  const std::int64_t start = world_->TimerClockMs() - clockMs;
  recorder_.emplace(game_.Nesting(), sink,
                    [this, start] { return world_->TimerClockMs() - start; });
  if (!recorder_->Start(opening, clockMs)) {
    recorder_.reset();
    return false;
  }
  return true;
}

void SessionCore::StopRecording() {
  if (recorder_) {
    recorder_->GiveWay();
  }
  recorder_.reset();
  live_.ForgetClock();
}

std::optional<std::int64_t> SessionCore::RecordingClockMs() const {
  if (!recorder_) {
    return std::nullopt;
  }
  return recorder_->ClockMs();
}

void SessionCore::BackToLivePlay() {
  timers_.Restart(frontEnd_.SteadyMs());
  world_ = &live_;
  ShowCommands();
  AskForWakeUp();
}

void SessionCore::AskForWakeUp() {
  if (!closed_ && Live()) {
    frontEnd_.WakeAfter(timers_.MsUntilDue(frontEnd_.SteadyMs()));
  }
}

void SessionCore::Close() {
  if (closed_) {
    return;
  }
  closed_ = true;
  if (recorder_) {
    recorder_->WindowClosed();
  }
  frontEnd_.WakeAfter(-1);
  frontEnd_.CloseMainWindow();
}

void SessionCore::ShowCommands() {
  for (const MenuItem& item : kMenuItems) {
    const bool enabled = !Live() ? item.command == MenuCommand::Exit
                                 : item.command != MenuCommand::Skip || skipEnabled_;
    frontEnd_.EnableCommand(item.command, enabled);
  }
}

WindowItems SessionCore::Shown() const {
  WindowItems shown{timers_.AllEnabled(), timers_.BadStepInterval(), CaptionOf(pauseOffer_), {}};
  std::transform(readouts_.begin(), readouts_.end(), shown.labels.begin(), ReadoutText);
  return shown;
}

std::string SessionCore::StateText() const {
  return DumpText(game_.State(), Shown());
}

SessionSnapshot SessionCore::Snapshot() const {
  return {game_.Snapshot(), timers_, readouts_, pauseOffer_, skipEnabled_};
}

void SessionCore::Restore(const SessionSnapshot& snapshot) {
  game_.Restore(snapshot.game);
  timers_ = snapshot.timers;
  readouts_ = snapshot.readouts;
  pauseOffer_ = snapshot.pauseOffer;
  skipEnabled_ = snapshot.skipEnabled;
}

void SessionCore::TakeOver(const SessionCore& other) {
  Restore(other.Snapshot());
  for (int i = 0; i < kReadoutCount; ++i) {
    frontEnd_.ShowReadout(static_cast<Readout>(i), readouts_[static_cast<std::size_t>(i)]);
  }
  frontEnd_.ShowPauseCommand(pauseOffer_);
  ShowCommands();
  frontEnd_.ShowInstructions(game_.State().instructionsColour);
  game_.RedrawBoard();
}

}  // namespace stonewick
