// The keys that steer a recording, and how its time is written.
#include "session/core/watch_status.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "lib/padded.h"

namespace stonewick {

std::optional<WatchCommand> WatchCommandOfKey(std::uint16_t virtualKey) {
  // By virtual key code: + and - on the main keys and on the keypad alike.
  static constexpr std::array<std::pair<std::uint16_t, WatchCommand>, 14> kKeys = {{
      {32, WatchCommand::PauseOrGoOn},
      {39, WatchCommand::StepForward},
      {37, WatchCommand::StepBack},
      {187, WatchCommand::Faster},
      {107, WatchCommand::Faster},
      {189, WatchCommand::Slower},
      {109, WatchCommand::Slower},
      {34, WatchCommand::JumpForward},
      {33, WatchCommand::JumpBack},
      {36, WatchCommand::ToStart},
      {35, WatchCommand::ToEnd},
      {68, WatchCommand::ToDifference},
      {84, WatchCommand::TakeControls},
      {112, WatchCommand::ShowKeys},
  }};
  for (const auto& [key, command] : kKeys) {
    if (key == virtualKey) {
      return command;
    }
  }
  return std::nullopt;
}

namespace {

// "1 state", "2 states".
std::string Counted(std::uint64_t count, const char* noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::string EnglishVerdict(const WatchVerdict& verdict) {
  switch (verdict.kind) {
    case WatchVerdict::Kind::Differs:
      return "The game played back differently from the recording after line " +
             std::to_string(verdict.afterLine) + ".\nLine " +
             std::to_string(verdict.difference.line) + ": " + verdict.difference.message + ".";
    case WatchVerdict::Kind::NothingToCheck:
      return "The game played back, but the recording holds no state to compare it with.";
    case WatchVerdict::Kind::AsRecorded:
      break;
  }
  return "The game played back exactly as recorded: " + Counted(verdict.checkpoints, "checkpoint") +
         " and " + Counted(verdict.states, "state") + " compared.";
}

std::string PlayTimeText(std::int64_t ms, bool hours) {
  const std::int64_t seconds = std::max<std::int64_t>(ms, 0) / 1000;
  if (hours) {
    return std::to_string(seconds / 3600) + ":" + Padded(seconds / 60 % 60, 2) + ":" +
           Padded(seconds % 60, 2);
  }
  return Padded(seconds / 60, 2) + ":" + Padded(seconds % 60, 2);
}

std::string PositionText(const WatchStatus& status) {
  const bool hours = status.lengthMs >= 3'600'000;
  return PlayTimeText(status.positionMs, hours) + " / " + PlayTimeText(status.lengthMs, hours);
}

}  // namespace stonewick
