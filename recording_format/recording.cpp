// Recording lines: events with their nesting marks, waits, answers, readings, the final state.
#include "recording_format/recording.h"

#include <algorithm>

#include "game/commands.h"
#include "lib/play_clock.h"
#include "recording_format/checkpoint.h"
#include "recording_format/script_command.h"

namespace stonewick {

std::string Recording::Comment(std::string_view date, std::string_view program) {
  return "# Recorded by " + std::string(program) + " on " + std::string(date) + "\n";
}

std::string Recording::Heading(std::string_view date, std::string_view program) {
  return Comment(date, program) + "manual\n";
}

void Recording::MoveClock(std::string& lines, std::string_view nesting, std::int64_t nowMs) {
  // No `wait` line may hold more than a day.
  for (std::int64_t ms = nowMs - clockMs_; ms > 0;) {
    const std::int64_t step = std::min(ms, kMsPerDay);
    lines.append(nesting).append("wait ").append(std::to_string(step)).append("\n");
    ms -= step;
  }
  clockMs_ = std::max(clockMs_, nowMs);
}

bool Recording::BeginEvent(const Event& event, std::int64_t nowMs) {
  const std::size_t depth = nesting_.Depth();
  std::string nesting;
  if (depth == 0) {
    lead_.clear();
    block_.clear();
  } else {
    nesting = std::string(depth, '>') + std::to_string(nesting_.Reached()) + ' ';
  }
  MoveClock(depth == 0 ? lead_ : block_, nesting, nowMs);
  block_ += nesting + EventLine(event) + '\n';
  return depth == 0 || nesting_.Reached() > 0;
}

std::string Recording::TakeBlock(std::string_view state) {
  std::string lines = lead_ + block_;
  if (!state.empty()) {
    lines.append("#~ ").append(Checkpoint(state)).append("\n");
  }
  lead_.clear();
  block_.clear();
  return lines;
}

void Recording::Answer(char answer) {
  if (nesting_.Depth() > 0) {
    lead_.append("answer ").append(AnswerWord(answer)).append("\n");
  }
}

void Recording::Reading(std::uint32_t reading) {
  if (nesting_.Depth() > 0) {
    lead_.append("reading ").append(std::to_string(reading)).append("\n");
  }
}

std::string Recording::FinalState(std::string_view dump, std::int64_t nowMs) {
  std::string lines;
  MoveClock(lines, "", nowMs);
  lines += "dump\n";
  std::size_t at = 0;
  while (at < dump.size()) {
    const std::size_t end = std::min(dump.find('\n', at), dump.size());
    lines.append("#= ").append(dump.substr(at, end - at)).append("\n");
    at = end + 1;
  }
  lines += "menu exit\n";
  return lines;
}

}  // namespace stonewick
