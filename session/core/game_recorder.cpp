// Writing a recording block by block as the game is played.
#include "session/core/game_recorder.h"

namespace stonewick {

bool GameRecorder::Start(const std::string& opening, std::int64_t clockMs) {
  recording_.SkipEvent(clockMs);
  Write(opening);
  return writing_;
}

void GameRecorder::BeginEvent(const Event& event) {
  if (!Taking()) {
    // The clock moves on even once nothing is written: the rules keep reading it.
    recording_.SkipEvent(clock_());
  } else if (!recording_.BeginEvent(event, clock_())) {
    Stop("an event ran outside the places a replay can put it");
  }
}

void GameRecorder::EndEvent(const std::function<std::string()>& state) {
  if (!recording_.EndEvent()) {
    return;
  }
  if (!writing_) {
    recording_.TakeBlock({});
    return;
  }
  // A window that has closed leaves no state to check.
  Write(recording_.TakeBlock(windowClosed_ ? std::string() : state()));
  if (windowClosed_) {
    Stop({});
  }
}

void GameRecorder::EndWithState(const std::string& dump) {
  if (!Taking() || nesting_.Depth() > 0) {
    return;
  }
  Write(recording_.FinalState(dump, clock_()));
  Stop({});
}

void GameRecorder::Setup(std::string_view line) {
  if (Taking() && nesting_.Depth() == 0) {
    Write(std::string(line) + "\n");
  }
}

void GameRecorder::Answer(char answer) {
  if (Taking()) {
    recording_.Answer(answer);
  }
}

void GameRecorder::Reading(std::uint32_t reading) {
  if (Taking()) {
    recording_.Reading(reading);
  }
}

void GameRecorder::WindowClosed() {
  windowClosed_ = true;
  if (nesting_.Depth() == 0) {
    Stop({});
  }
}

void GameRecorder::Write(const std::string& text) {
  if (writing_ && !sink_.Write(text)) {
    writing_ = false;
  }
}

void GameRecorder::GiveWay() {
  if (writing_) {
    writing_ = false;
    sink_.GaveWay();
  }
}

void GameRecorder::Stop(const std::string& why) {
  if (writing_) {
    writing_ = false;
    sink_.Stopped(why);
  }
}

}  // namespace stonewick
