// The session: start-up in one order for every host, the player's input, live play's
// wake-ups, and the recordings watched one after another.
#include "session/core/session.h"

#include "recording_format/recording.h"

namespace stonewick {

Session::Session(FrontEnd& frontEnd) : core_(frontEnd) {}

Session::~Session() = default;

void Session::Start() {
  if (started_) {
    return;
  }
  started_ = true;
  core_.Start();
  if (nextWatching_ != nullptr && running_ == nullptr) {
    watching_ = std::move(nextWatching_);
    BeginWatching();
  }
}

bool Session::Record(RecordingSink& sink, std::string_view date) {
  return core_.Record(sink, Recording::Heading(date), 0);
}

void Session::Deliver(const Event& event) {
  if (!TakesInput(event)) {
    return;
  }
  if (IsWatching()) {
    watching_->Input(event);
    return;
  }
  core_.Feed(event);
  // The rules keep nothing of the close box: the window closes once it has been delivered.
  if (std::holds_alternative<CloseBoxUsed>(event)) {
    core_.Close();
  }
}

bool Session::TakesInput(const Event& event) const {
  if (core_.Closed()) {
    return false;
  }
  if (IsWatching()) {
    return watching_->TakesInput(event);
  }
  if (core_.LivePlay().BoxOpen()) {
    return !std::holds_alternative<KeyPress>(event) && !std::holds_alternative<BoardClick>(event) &&
           !std::holds_alternative<MenuChoice>(event);
  }
  return true;
}

void Session::WakeUp() {
  if (core_.Closed() || !core_.Live()) {
    return;
  }
  core_.AdvanceTime(core_.Screen().SteadyMs());
  core_.AskForWakeUp();
}

void Session::Hidden() {
  const PlayState& game = core_.game();
  if (core_.Closed() || !core_.Live() || !game.running || game.pausedByPlayer ||
      core_.LivePlay().BoxOpen()) {
    return;
  }
  Deliver(MenuChoice{MenuCommand::Pause});
}

void Session::Watch(std::unique_ptr<Playback> playback) {
  // The live game gives way: its timers and its recording stop.
  core_.Screen().WakeAfter(-1);
  core_.StopRecording();
  if (running_ != nullptr || !started_ || core_.NestingDepth() > 0) {
    // The playback under way is still on the stack: it leaves, and this one follows it. Before
    // start-up, it waits for the level to be laid out; given inside a live event (the page
    // opens a recording as the player's input), for the event to end.
    nextWatching_ = std::move(playback);
    if (running_ != nullptr) {
      running_->Leave();
    }
    return;
  }
  watching_ = std::move(playback);
  BeginWatching();
}

void Session::BeginWatching() {
  watching_->Begin();
  core_.ShowCommands();
}

void Session::RunWatching() {
  if (watching_ == nullptr && nextWatching_ != nullptr && started_ && running_ == nullptr) {
    watching_ = std::move(nextWatching_);
    BeginWatching();
  }
  while (watching_ != nullptr && running_ == nullptr) {
    running_ = watching_.get();
    watching_->Run();
    running_ = nullptr;
    watchExitStatus_ = watching_->ExitStatus();
    untoldVerdict_.reset();
    if (watching_->EndedEarly()) {
      untoldVerdict_ = watching_->Verdict();
    }
    core_.UseWorld(core_.LivePlay());
    watching_ = std::move(nextWatching_);
    if (watching_ != nullptr) {
      BeginWatching();
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

}  // namespace stonewick
