// A player at a screen-less front end, for driving live play through the session as the window
// does: a clock the test moves, wake-ups kept until the clock reaches them, input that the
// player gives while a step lets events in (so it runs nested inside that step), boxes
// answered as the test queued, and the recording kept as text.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "recording_format/recording.h"
#include "session/core/session.h"
#include "session/scripts/headless_front_end.h"
#include "session/scripts/text_sink.h"

namespace stonewick::testing {

class LivePlayer final : public HeadlessFrontEnd, public RecordingSink {
 public:
  LivePlayer() : HeadlessFrontEnd(nothing_) {}

  // Moves the clock on by `ms`, waking the session whenever a timer falls due on the way.
  void PassTime(std::int64_t ms) {
    const std::int64_t end = nowMs + ms;
    while (wakeAt_ && *wakeAt_ <= end && !session.Closed()) {
      nowMs = std::max(nowMs, *wakeAt_);
      wakeAt_.reset();
      session.WakeUp();
    }
    nowMs = std::max(nowMs, end);
  }
  // The player does something now, outside any step.
  void Give(const Event& event) { session.Deliver(event); }

  // What the player gives at the next yield points, one event at each.
  std::deque<Event> atYieldPoints;
  // How the player answers the game's questions, oldest first; 'C' when none is left.
  std::deque<char> answers;
  std::int64_t nowMs = 0;
  std::string recording;
  bool recordingStopped = false;
  bool recordingGaveWay = false;
  int watchKeysShown = 0;

  // When the About window opened and closed, on the clock.
  std::vector<std::pair<bool, std::int64_t>> about;
  void ShowAbout(bool shown) override { about.emplace_back(shown, nowMs); }
  void ShowWatchKeys() override { ++watchKeysShown; }

  // FrontEnd: a box lets the player in while it is open, and closes with the answer.
  char RunModalBox(GameBox) override {
    LetEventsIn();
    if (answers.empty()) {
      return 'C';
    }
    const char answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::int64_t SteadyMs() override { return nowMs; }
  std::uint32_t ClockReading() override { return static_cast<std::uint32_t>(nowMs * 7 + 3); }
  void Sleep(std::int32_t ms) override { nowMs += ms; }
  void LetEventsIn() override {
    if (!atYieldPoints.empty()) {
      const Event event = atYieldPoints.front();
      atYieldPoints.pop_front();
      ++nowMs;  // the player's input comes a moment later
      session.Deliver(event);
    }
  }
  // The player waits: time passes; with nothing left to wait for, the player quits.
  void Idle(std::int64_t ms) override {
    if (ms >= 0) {
      nowMs += ms;
    } else {
      session.Deliver(MenuChoice{MenuCommand::Exit});
    }
  }
  void WakeAfter(std::int64_t ms) override {
    wakeAt_ = ms < 0 ? std::nullopt : std::optional<std::int64_t>(nowMs + ms);
  }

  // RecordingSink.
  bool Write(const std::string& text) override {
    recording += text;
    return true;
  }
  void Stopped(const std::string&) override { recordingStopped = true; }
  void GaveWay() override { recordingGaveWay = true; }

 private:
  NoText nothing_;
  std::optional<std::int64_t> wakeAt_;

 public:
  // Last: the session is made with the player as its front end.
  Session session{*this};
};

}  // namespace stonewick::testing
