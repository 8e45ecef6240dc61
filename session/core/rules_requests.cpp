// The rules' requests, passed on to the world the game is in and to the front end, with the
// answers and clock readings recorded.
#include "session/core/session_core.h"

namespace stonewick {

void SessionCore::DrawCell(int col, int row, std::int32_t code) {
  frontEnd_.DrawCell(col, row, code);
}

void SessionCore::ShowReadout(Readout readout, std::int32_t number) {
  const ReadoutValue value = WrittenReadout(readout, number);
  readouts_[static_cast<std::size_t>(readout)] = value;
  frontEnd_.ShowReadout(readout, value);
}

void SessionCore::RunPendingEvents() {
  // Outside any event (while the window starts) nothing may run inside: no replay could put
  // it there. Input waits for the event loop.
  if (game_.Nesting().Depth() > 0) {
    world_->YieldPoint();
  }
}

void SessionCore::ShowMessage(GameBox message) {
  world_->Box(message);
}

char SessionCore::AskYesNoCancel(GameBox question) {
  const char answer = world_->Box(question);
  if (recorder_) {
    recorder_->Answer(answer);
  }
  return answer;
}

void SessionCore::SetTimersRunning(bool running) {
  timers_.SetRunning(running, world_->TimerClockMs());
  world_->TimersChanged();
}

void SessionCore::SetBadStepInterval(std::int32_t ms) {
  timers_.SetBadStepInterval(ms, world_->TimerClockMs());
  world_->TimersChanged();
}

double SessionCore::Now() {
  return world_->Now();
}

std::uint32_t SessionCore::ClockReading() {
  const std::uint32_t reading = world_->ClockReading();
  if (recorder_) {
    recorder_->Reading(reading);
  }
  return reading;
}

void SessionCore::PauseMs(std::int32_t ms) {
  world_->Pause(ms);
}

void SessionCore::ShowPauseCommand(PauseOffer offer) {
  pauseOffer_ = offer;
  frontEnd_.ShowPauseCommand(offer);
}

void SessionCore::EnableSkipCommand(bool enabled) {
  skipEnabled_ = enabled;
  ShowCommands();
}

void SessionCore::CloseMainWindow() {
  // Nothing after this is recorded, whichever world the game is in.
  if (recorder_) {
    recorder_->WindowClosed();
  }
  world_->Closing();
}

void SessionCore::ShowInstructions(int colour) {
  frontEnd_.ShowInstructions(colour);
}

void SessionCore::ShowAbout() {
  frontEnd_.ShowAbout(true);
  world_->AboutShown();
}

}  // namespace stonewick
