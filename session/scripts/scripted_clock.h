// What a script decides in place of the world around the game: the time, the answers to the
// game's questions and the clock readings that seed the generator.
#pragma once

#include <cstdint>
#include <deque>

namespace stonewick {

class ScriptedClock {
 public:
  // The clock as a date-time: days since the start of the run.
  double Days() const;
  // The oldest queued reading, or else the clock's millisecond count.
  std::uint32_t TakeReading();
  // The oldest queued answer, or else 'C'.
  char TakeAnswer();

  std::int64_t nowMs = 0;  // since the start of the run
  // After `manual` the timers never fire by themselves: timer events come only from the
  // script's own lines.
  bool manual = false;
  std::deque<char> answers;            // queued answers to questions, oldest first
  std::deque<std::uint32_t> readings;  // queued clock readings, oldest first
};

}  // namespace stonewick
