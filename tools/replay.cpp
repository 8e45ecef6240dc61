// The replay session: a game at the program's starting point, virtual time, each script
// command carried out, and the dump of the whole state.
#include "tools/replay.h"

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include "game/dump.h"
#include "tools/script_lines.h"

namespace stonewick {

Replay::Replay(std::ostream& out) : host(out), game(host) {
  host.yieldPoints = this;
  game.GiveFirstPower();
  game.LayOutFirstLevel();
}

void Replay::Wait(std::int64_t ms) {
  if (host.manual) {
    host.nowMs += ms;
    return;
  }
  const std::int64_t end = host.nowMs + ms;
  while (!host.closed) {
    // The next timer due within the wait; at the same instant, the first in GameTimer order.
    const GameTimer* next = nullptr;
    for (const GameTimer& timer : kGameTimers) {
      const VirtualTimer& candidate = host.timers[timer];
      if (candidate.enabled && candidate.due <= end &&
          (next == nullptr || candidate.due < host.timers[*next].due)) {
        next = &timer;
      }
    }
    if (next == nullptr) {
      break;
    }
    const std::int64_t firedAt = host.timers[*next].due;
    host.nowMs = firedAt;
    game.Apply(TimerTick{*next});
    VirtualTimer& fired = host.timers[*next];
    if (fired.enabled) {
      fired.due = firedAt + fired.interval;
    }
  }
  if (!host.closed) {
    host.nowMs = end;
  }
}

void Replay::DeliverTimer(GameTimer timer) {
  if (host.timers[timer].enabled) {
    game.Apply(TimerTick{timer});
  }
}

void Replay::Dump() {
  WindowItems window;
  window.timersOn = host.timers.AllEnabled();
  window.badStepInterval = host.timers[GameTimer::BadStep].interval;
  window.pauseCaption = host.pauseCaption;
  window.labels = host.labels;
  WriteDump(host.out, game, window);
}

void Replay::Run(const Command& command) {
  std::visit(
      [this](const auto& line) {
        using Kind = std::decay_t<decltype(line)>;
        if constexpr (std::is_same_v<Kind, Event>) {
          // A timer's event comes only while that timer runs.
          if (const auto* tick = std::get_if<TimerTick>(&line)) {
            DeliverTimer(tick->timer);
          } else {
            game.Apply(line);
          }
        } else if constexpr (std::is_same_v<Kind, QueueAnswer>) {
          host.answers.push_back(line.answer);
        } else if constexpr (std::is_same_v<Kind, SetGlide>) {
          game.glide = line.on;
        } else if constexpr (std::is_same_v<Kind, SetSeed>) {
          game.random.randomSeed = line.seed;
        } else if constexpr (std::is_same_v<Kind, WaitMs>) {
          Wait(line.ms);
        } else if constexpr (std::is_same_v<Kind, DumpState>) {
          Dump();
        } else if constexpr (std::is_same_v<Kind, ManualTimers>) {
          host.manual = true;
          for (VirtualTimer& timer : host.timers) {
            timer.due = kNeverDue;
          }
        } else {
          static_assert(std::is_same_v<Kind, QueueReading>);
          host.readings.push_back(line.reading);
        }
      },
      command);
}

bool Replay::RunLine(std::string_view line, std::string& error) {
  if (!IsCommandLine(line)) {
    return true;
  }
  const ScriptLine only{1, line, {}};
  ScriptError bad;
  if (RunBlock(std::span(&only, 1), bad) == BlockOutcome::Ran) {
    return true;
  }
  error = bad.message;
  return false;
}

BlockOutcome Replay::RunBlock(std::span<const ScriptLine> lines, ScriptError& error) {
  if (host.stopped) {
    error = runner_.StopError();  // nothing runs after a stop
    return BlockOutcome::Stopped;
  }
  while (!lines.empty() && lines.front().unreadable.empty() && !IsCommandLine(lines.front().text)) {
    lines = lines.subspan(1);
  }
  if (lines.empty()) {
    return BlockOutcome::Ran;
  }
  const ScriptLine& head = lines.front();
  if (!head.unreadable.empty()) {
    error = {head.number, std::string(head.unreadable)};
    return BlockOutcome::Rejected;
  }
  if (IsNestedLine(head.text)) {
    error = {head.number, "a nested line needs an event on a line above it"};
    return BlockOutcome::Rejected;
  }
  const std::vector<std::string_view> words = SplitWords(head.text);
  Block block(1);
  block[0].number = head.number;
  if (!ParseCommand(words, block[0].command, error.message)) {
    error.line = head.number;
    return BlockOutcome::Rejected;
  }
  if (!IsEvent(block[0].command)) {
    Run(block[0].command);
    const auto nested = std::find_if(lines.begin() + 1, lines.end(), [](const ScriptLine& line) {
      return !line.unreadable.empty() || IsCommandLine(line.text);
    });
    if (nested != lines.end()) {
      error = {nested->number,
               Joined({"a nested line needs an event above it, and '", words[0], "' on line ",
                       std::to_string(head.number), " is not an event"})};
      return BlockOutcome::Stopped;
    }
    return BlockOutcome::Ran;
  }
  if (!ReadNestedLines(lines.subspan(1), host.manual, block, error)) {
    return BlockOutcome::Rejected;
  }
  runner_.Run(block);
  if (host.stopped) {
    error = runner_.StopError();
    return BlockOutcome::Stopped;
  }
  return BlockOutcome::Ran;
}

}  // namespace stonewick
