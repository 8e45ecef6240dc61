// A script's commands carried out on the game.
#include "tools/script_session.h"

#include <type_traits>

namespace stonewick {

void ScriptSession::Wait(std::int64_t ms) {
  const std::int64_t end = clock_.nowMs + ms;
  while (!clock_.manual && !surroundings_.Over()) {
    // The next timer due within the wait; at the same instant, the first in GameTimer order.
    const GameTimer* next = nullptr;
    for (const GameTimer& timer : kGameTimers) {
      const VirtualTimer& candidate = clock_.timers[timer];
      if (candidate.enabled && candidate.due <= end &&
          (next == nullptr || candidate.due < clock_.timers[*next].due)) {
        next = &timer;
      }
    }
    if (next == nullptr) {
      break;
    }
    const std::int64_t firedAt = clock_.timers[*next].due;
    surroundings_.PassTime(firedAt);
    clock_.nowMs = firedAt;
    game_.Apply(TimerTick{*next});
    VirtualTimer& fired = clock_.timers[*next];
    if (fired.enabled) {
      fired.due = firedAt + fired.interval;
    }
  }
  // A window closed by a timer's event leaves the clock where that event ran.
  if (clock_.manual || !surroundings_.Over()) {
    surroundings_.PassTime(end);
    clock_.nowMs = end;
  }
}

void ScriptSession::DeliverTimer(GameTimer timer) {
  if (clock_.timers[timer].enabled) {
    game_.Apply(TimerTick{timer});
  }
}

void ScriptSession::Run(const Command& command) {
  std::visit(
      [this](const auto& line) {
        using Kind = std::decay_t<decltype(line)>;
        if constexpr (std::is_same_v<Kind, Event>) {
          if (const auto* tick = std::get_if<TimerTick>(&line)) {
            DeliverTimer(tick->timer);
          } else {
            game_.Apply(line);
          }
        } else if constexpr (std::is_same_v<Kind, QueueAnswer>) {
          clock_.answers.push_back(line.answer);
        } else if constexpr (std::is_same_v<Kind, SetGlide>) {
          game_.glide = line.on;
        } else if constexpr (std::is_same_v<Kind, SetSeed>) {
          game_.random.randomSeed = line.seed;
        } else if constexpr (std::is_same_v<Kind, WaitMs>) {
          Wait(line.ms);
        } else if constexpr (std::is_same_v<Kind, DumpState>) {
          surroundings_.Dump();
        } else if constexpr (std::is_same_v<Kind, ManualTimers>) {
          clock_.SetManual();
        } else {
          static_assert(std::is_same_v<Kind, QueueReading>);
          clock_.readings.push_back(line.reading);
        }
      },
      command);
}

}  // namespace stonewick
