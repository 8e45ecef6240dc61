// Time, answers and readings as a script gives them.
#include "session/scripts/scripted_clock.h"

#include "lib/play_clock.h"

namespace stonewick {

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

}  // namespace stonewick
