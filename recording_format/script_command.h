// The commands of a script line: the events that reach the rules, and the script's own
// commands (answers and clock readings to hand out, settings, the clock moving on, the dump).
// One table of words serves reading a script and writing a recording.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "game/event.h"

namespace stonewick {

// `answer A`: the answer of a later question, 'Y', 'N', 'C' or ' '.
struct QueueAnswer {
  char answer;
};
// `glide B` and `seed N` set the rules' glide option and generator directly: settings of a
// test, which nothing in the window can change.
struct SetGlide {
  bool on;
};
struct SetSeed {
  std::uint32_t seed;
};
// `wait MS`: the clock moves on.
struct WaitMs {
  std::int64_t ms;
};
struct DumpState {};
// `manual`: from here on timer events come only from the script.
struct ManualTimers {};
// `reading N`: a clock reading for the next draw seeded from the clock.
struct QueueReading {
  std::uint32_t reading;
};

using Command = std::variant<Event, QueueAnswer, SetGlide, SetSeed, WaitMs, DumpState, ManualTimers,
                             QueueReading>;

// Only events reach the rules, and only they can have other lines nested in them.
inline bool IsEvent(const Command& command) {
  return std::holds_alternative<Event>(command);
}
// What can happen while another event runs: the events, and the clock moving on.
inline bool MayBeNested(const Command& command) {
  return IsEvent(command) || std::holds_alternative<WaitMs>(command);
}

// Checks the words of one command (any nesting mark already taken off). False with `error`
// set when they are not a command.
bool ParseCommand(std::span<const std::string_view> words, Command& parsed, std::string& error);

// The script line of an event: "key 39", "click 3 4", "menu skip", "tick", "close
// instructions". The close box is written "menu exit": it ends the game as Exit does.
std::string EventLine(const Event& event);

}  // namespace stonewick
