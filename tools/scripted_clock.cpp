// Time, timers, answers and readings as a script gives them.
#include "tools/scripted_clock.h"

#include "game/game.h"
#include "lib/play_clock.h"

namespace stonewick {

ScriptedClock::ScriptedClock() {
  timers[GameTimer::Main].interval = kMainTickMs;
  timers[GameTimer::Slow].interval = kSlowTickMs;
  timers[GameTimer::BadStep].interval = kFirstBadStepMs;
}

double ScriptedClock::Days() const {
  return static_cast<double>(nowMs) / static_cast<double>(kMsPerDay);
}

std::uint32_t ScriptedClock::TakeReading() {
  if (!readings.empty()) {
    const std::uint32_t reading = readings.front();
    readings.pop_front();
    return reading;
  }
  return static_cast<std::uint32_t>(nowMs);
}

char ScriptedClock::TakeAnswer() {
  if (answers.empty()) {
    return 'C';
  }
  const char answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedClock::SetTimersRunning(bool running) {
  for (VirtualTimer& timer : timers) {
    if (running && !timer.enabled) {
      timer.due = manual ? kNeverDue : nowMs + timer.interval;
    }
    timer.enabled = running;
  }
}

void ScriptedClock::SetBadStepInterval(std::int32_t ms) {
  VirtualTimer& timer = timers[GameTimer::BadStep];
  if (ms == timer.interval) {
    return;
  }
  timer.interval = ms;
  if (timer.enabled) {
    timer.due = manual ? kNeverDue : nowMs + ms;
  }
}

void ScriptedClock::SetManual() {
  manual = true;
  for (VirtualTimer& timer : timers) {
    timer.due = kNeverDue;
  }
}

}  // namespace stonewick
