// Live play, with the recording around it.
#include "session/live_world.h"

#include "lib/pause.h"
#include "lib/play_clock.h"

namespace stonewick {

bool LiveWorld::StartRecording(RecordingSink& sink, const std::string& opening,
                               std::int64_t clockMs) {
  FrontEnd& frontEnd = frontEnd_;
  // The recording's clock: whole milliseconds, counted on from `clockMs` as of now.
  recorder_.emplace(game_.nesting, sink, [&frontEnd, start = frontEnd.SteadyMs() - clockMs] {
    return frontEnd.SteadyMs() - start;
  });
  if (!recorder_->Start(opening, clockMs)) {
    recorder_.reset();
    return false;
  }
  return true;
}

bool LiveWorld::StartRecording(RecordingSink& sink, std::string_view date) {
  return StartRecording(sink, Recording::Heading(date), 0);
}

void LiveWorld::StopRecording() {
  recorder_.reset();
  clockZero_.reset();
}

void LiveWorld::ContinueClock(std::int64_t clockMs) {
  clockZero_ = frontEnd_.SteadyMs() - clockMs;
}

void LiveWorld::Deliver(const Event& event) {
  if (!recorder_) {
    game_.Apply(event);
  } else if (EndsTheGame(event) && game_.nesting.Depth() == 0) {
    // The recording ends with the state the game is left in.
    recorder_->EndWithState(surroundings_.StateText());
    game_.Apply(event);
  } else {
    recorder_->BeginEvent(event);
    game_.Apply(event);
    recorder_->EndEvent([this] { return surroundings_.StateText(); });
  }
}

void LiveWorld::WindowClosed() {
  if (recorder_) {
    recorder_->WindowClosed();
  }
}

double LiveWorld::Now() {
  if (recorder_) {
    // Days since the recording started, exactly as a replay counts them.
    return static_cast<double>(recorder_->ClockMs()) / static_cast<double>(kMsPerDay);
  }
  if (clockZero_) {
    const std::int64_t ms = frontEnd_.SteadyMs() - *clockZero_;
    return static_cast<double>(ms) / static_cast<double>(kMsPerDay);
  }
  return frontEnd_.LocalDays();
}

std::uint32_t LiveWorld::ClockReading() {
  const std::uint32_t reading = frontEnd_.ClockReading();
  if (recorder_) {
    recorder_->Reading(reading);
  }
  return reading;
}

std::int64_t LiveWorld::TimerClockMs() {
  return frontEnd_.SteadyMs();
}

void LiveWorld::TimersChanged() {
  surroundings_.AskForWakeUp();
}

void LiveWorld::YieldPoint() {
  frontEnd_.LetEventsIn();
}

char LiveWorld::Box(BoxKind kind, const std::string& message) {
  const char answer = frontEnd_.RunModalBox(kind, message);
  if (kind == BoxKind::Question && recorder_) {
    recorder_->Answer(answer);
  }
  return answer;
}

void LiveWorld::Pause(std::int32_t ms) {
  frontEnd_.Sleep(CappedPauseMs(ms));
}

void LiveWorld::Closing() {
  surroundings_.Close();
}

}  // namespace stonewick
