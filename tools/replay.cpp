// The replay session: a game at the program's starting point, virtual time, and the dump
// of the whole state.
#include "tools/replay.h"

#include <string>

#include "game/dump.h"
#include "lib/instructions_colour.h"

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
    int next = -1;
    for (int i = 0; i < static_cast<int>(host.timers.size()); ++i) {
      const VirtualTimer& timer = host.timers[i];
      if (timer.enabled && timer.due <= end && (next < 0 || timer.due < host.timers[next].due)) {
        next = i;
      }
    }
    if (next < 0) {
      break;
    }
    const std::int64_t firedAt = host.timers[next].due;
    host.nowMs = firedAt;
    FireTimer(next);
    VirtualTimer& fired = host.timers[next];
    if (fired.enabled) {
      fired.due = firedAt + fired.interval;
    }
  }
  if (!host.closed) {
    host.nowMs = end;
  }
}

void Replay::FireTimer(int timer) {
  switch (timer) {
    case 0:
      game.MainTick();
      break;
    case 1:
      game.MarkSlowTickDue();
      break;
    default:
      game.BadStepTick();
      break;
  }
}

void Replay::DeliverTimer(int timer) {
  if (host.timers[timer].enabled) {
    FireTimer(timer);
  }
}

void Replay::ShowInstructions() {
  if (!instructionsOpen) {
    instructionsOpen = true;
    DrawInstructionsColour(game.random, host.ClockReading());
  }
}

void Replay::Dump() {
  WindowItems window;
  window.timersOn = host.timers[0].enabled && host.timers[1].enabled && host.timers[2].enabled;
  window.badStepInterval = host.timers[kBadStepTimer].interval;
  window.pauseCaption = host.pauseCaption;
  window.labels = host.labels;
  WriteDump(host.out, game, window);
}

}  // namespace stonewick
