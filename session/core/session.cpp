// The session: start-up, delivering events, the timers, and the rules' requests passed on to
// the world the game is in and to the front end.
#include "session/session.h"

#include <algorithm>

namespace stonewick {

Session::Session(FrontEnd& frontEnd) : frontEnd_(frontEnd) {
  std::copy(kInitialLabelCaptions.begin(), kInitialLabelCaptions.end(), readouts_.begin());
}

Session::~Session() = default;

void Session::Start() {
  game_.GiveFirstPower();
  game_.LayOutFirstLevel();
  ShowCommands();
}

bool Session::Record(RecordingSink& sink, std::string_view date) {
  return Record(sink, Recording::Heading(date), 0);
}

bool Session::Record(RecordingSink& sink, const std::string& opening, std::int64_t clockMs) {
  // The recording's clock: whole milliseconds on the timers' clock of the world the game is
  // in, counted on from `clockMs` as of now.
  const std::int64_t start = world_->TimerClockMs() - clockMs;
  recorder_.emplace(game_.nesting, sink, [this, start] { return world_->TimerClockMs() - start; });
  if (!recorder_->Start(opening, clockMs)) {
    recorder_.reset();
    return false;
  }
  return true;
}

void Session::StopRecording() {
  recorder_.reset();
  live_.ForgetClock();
}

std::optional<std::int64_t> Session::RecordingClockMs() const {
  if (!recorder_) {
    return std::nullopt;
  }
  return recorder_->ClockMs();
}

void Session::Deliver(const Event& event) {
  if (closed_) {
    return;
  }
  if (IsWatching()) {
    watching_->Input(event);
    return;
  }
  Feed(event);
  // The rules keep nothing of the close box: the window closes once it has been delivered.
  if (std::holds_alternative<CloseBoxUsed>(event)) {
    Close();
  }
}

void Session::Feed(const Event& event) {
  if (!recorder_) {
    game_.Apply(event);
  } else if (EndsTheGame(event) && game_.nesting.Depth() == 0) {
    // The recording ends with the state the game is left in.
    recorder_->EndWithState(StateText());
    game_.Apply(event);
  } else {
    recorder_->BeginEvent(event);
    game_.Apply(event);
    recorder_->EndEvent([this] { return StateText(); });
  }
}

void Session::RecordSetup(std::string_view line) {
  if (recorder_) {
    recorder_->Setup(line);
  }
}

void Session::AdvanceTime(std::int64_t untilMs) {
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

void Session::WakeUp() {
  if (closed_ || !Live()) {
    return;
  }
  AdvanceTime(frontEnd_.SteadyMs());
  AskForWakeUp();
}

void Session::AskForWakeUp() {
  if (!closed_ && Live()) {
    frontEnd_.WakeAfter(timers_.MsUntilDue(frontEnd_.SteadyMs()));
  }
}

void Session::Close() {
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

void Session::ShowCommands() {
  for (const MenuItem& item : kMenuItems) {
    const bool enabled = !Live() ? item.command == MenuCommand::Exit
                                 : item.command != MenuCommand::Skip || skipEnabled_;
    frontEnd_.EnableCommand(item.command, enabled);
  }
}

WindowItems Session::Shown() const {
  return {timers_.AllEnabled(), timers_.BadStepInterval(), pauseCaption_, readouts_};
}

std::string Session::StateText() const {
  return DumpText(game_, Shown());
}

void Session::Watch(std::unique_ptr<Playback> playback) {
  // The live game gives way: its timers and its recording stop.
  frontEnd_.WakeAfter(-1);
  StopRecording();
  if (running_ != nullptr) {
    // The playback under way is still on the stack: it leaves, and this one follows it.
    nextWatching_ = std::move(playback);
    running_->Leave();
    return;
  }
  watching_ = std::move(playback);
  watching_->Begin();
  ShowCommands();
}

void Session::RunWatching() {
  while (watching_ != nullptr && running_ == nullptr) {
    running_ = watching_.get();
    watching_->Run();
    running_ = nullptr;
    watchExitStatus_ = watching_->ExitStatus();
    untoldVerdict_ = watching_->EndedEarly() ? watching_->Verdict() : std::string();
    world_ = &live_;
    watching_ = std::move(nextWatching_);
    if (watching_ != nullptr) {
      watching_->Begin();
      ShowCommands();
    }
  }
}

void Session::JumpInRecording(std::int64_t ms) {
  if (IsWatching()) {
    watching_->JumpToTime(ms);
  }
}

void Session::LeaveRecording() {
  if (IsWatching()) {
    watching_->Leave();
  }
}

void Session::StopWatching() {
  // The recording's clock gives way to the host's: the timers start a new interval from now.
  timers_.Restart(frontEnd_.SteadyMs());
  world_ = &live_;
  ShowCommands();
  AskForWakeUp();
}

SessionSnapshot Session::Snapshot() const {
  return {game_, timers_, readouts_, pauseCaption_, skipEnabled_};
}

void Session::Restore(const SessionSnapshot& snapshot) {
  static_cast<PlayState&>(game_) = snapshot.game;
  timers_ = snapshot.timers;
  readouts_ = snapshot.readouts;
  pauseCaption_ = snapshot.pauseCaption;
  skipEnabled_ = snapshot.skipEnabled;
}

void Session::TakeOver(const Session& other) {
  Restore(other.Snapshot());
  for (int i = 0; i < kReadoutCount; ++i) {
    frontEnd_.ShowReadout(static_cast<Readout>(i), readouts_[static_cast<std::size_t>(i)]);
  }
  frontEnd_.ShowPauseCommand(pauseCaption_);
  ShowCommands();
  frontEnd_.ShowInstructions(game_.instructionsColour);
  game_.RedrawBoard();
}

// ---- The rules' requests.

void Session::DrawCell(int col, int row, std::int32_t code) {
  frontEnd_.DrawCell(col, row, code);
}

void Session::ShowReadout(Readout readout, const std::string& text) {
  readouts_[static_cast<std::size_t>(readout)] = text;
  frontEnd_.ShowReadout(readout, text);
}

void Session::RunPendingEvents() {
  // Outside any event (while the window starts) nothing may run inside: no replay could put
  // it there. Input waits for the event loop.
  if (game_.nesting.Depth() > 0) {
    world_->YieldPoint();
  }
}

void Session::ShowMessage(const std::string& message) {
  world_->Box(BoxKind::Message, message);
}

char Session::AskYesNoCancel(const std::string& message) {
  const char answer = world_->Box(BoxKind::Question, message);
  if (recorder_) {
    recorder_->Answer(answer);
  }
  return answer;
}

void Session::SetTimersRunning(bool running) {
  timers_.SetRunning(running, world_->TimerClockMs());
  world_->TimersChanged();
}

void Session::SetBadStepInterval(std::int32_t ms) {
  timers_.SetBadStepInterval(ms, world_->TimerClockMs());
  world_->TimersChanged();
}

double Session::Now() {
  return world_->Now();
}

std::uint32_t Session::ClockReading() {
  const std::uint32_t reading = world_->ClockReading();
  if (recorder_) {
    recorder_->Reading(reading);
  }
  return reading;
}

void Session::PauseMs(std::int32_t ms) {
  world_->Pause(ms);
}

void Session::ShowPauseCommand(const std::string& caption) {
  pauseCaption_ = caption;
  frontEnd_.ShowPauseCommand(caption);
}

void Session::EnableSkipCommand(bool enabled) {
  skipEnabled_ = enabled;
  ShowCommands();
}

void Session::CloseMainWindow() {
  // Nothing after this is recorded, whichever world the game is in.
  if (recorder_) {
    recorder_->WindowClosed();
  }
  world_->Closing();
}

void Session::ShowInstructions(int colour) {
  frontEnd_.ShowInstructions(colour);
}

void Session::ShowAbout() {
  frontEnd_.ShowAbout(true);
  world_->AboutShown();
}

}  // namespace stonewick
