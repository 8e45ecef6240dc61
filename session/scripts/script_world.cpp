// A script's commands carried out on the session's game.
#include "session/scripts/script_world.h"

#include <type_traits>

#include "session/core/session_core.h"

namespace stonewick {

ScriptWorld::ScriptWorld(SessionCore& session, Pacing* pacing)
    : session_(session), pacing_(pacing), runner_(session.MutableGame().Nesting(), *this) {}

void ScriptWorld::Enter() {
  session_.UseWorld(*this);
}

void ScriptWorld::Wait(std::int64_t ms) {
  const std::int64_t end = clock.nowMs + ms;
  if (!clock.manual) {
    session_.AdvanceTime(end);
  }
  // A window closed by a timer's event leaves the clock where that event ran.
  if (clock.manual || !Over()) {
    if (pacing_ != nullptr) {
      pacing_->PassTime(end);
    }
    clock.nowMs = end;
  }
}

std::int64_t ScriptWorld::TimerFiresAt(std::int64_t dueMs) {
  if (pacing_ != nullptr) {
    pacing_->PassTime(dueMs);
  }
  clock.nowMs = dueMs;
  return dueMs;
}

void ScriptWorld::DeliverTimer(GameTimer timer) {
  if (session_.Timers()[timer].enabled) {
    session_.Feed(TimerTick{timer});
  }
}

void ScriptWorld::TakeOver(const ScriptWorld& other) {
  clock = other.clock;
  closed_ = other.closed_;
  stopped_ = false;
}

bool ScriptWorld::Over() const {
  return closed_ || stopped_ || (pacing_ != nullptr && pacing_->Ended());
}

void ScriptWorld::Run(const Command& command) {
  std::visit(
      [this](const auto& line) {
        using Kind = std::decay_t<decltype(line)>;
        if constexpr (std::is_same_v<Kind, Event>) {
          if (const auto* tick = std::get_if<TimerTick>(&line)) {
            DeliverTimer(tick->timer);
          } else {
            session_.Feed(line);
          }
          // The recording closed the Instructions window: it closes on the screen too.
          if (std::holds_alternative<InstructionsClosed>(line)) {
            session_.Screen().ShowInstructions(0);
          }
        } else if constexpr (std::is_same_v<Kind, QueueAnswer>) {
          clock.answers.push_back(line.answer);
        } else if constexpr (std::is_same_v<Kind, SetGlide>) {
          session_.SetGlide(line.on);
        } else if constexpr (std::is_same_v<Kind, SetSeed>) {
          session_.SetSeed(line.seed);
        } else if constexpr (std::is_same_v<Kind, WaitMs>) {
          Wait(line.ms);
        } else if constexpr (std::is_same_v<Kind, DumpState>) {
          session_.Screen().ShowDump(session_.StateText());
        } else if constexpr (std::is_same_v<Kind, ManualTimers>) {
          clock.manual = true;
        } else {
          static_assert(std::is_same_v<Kind, QueueReading>);
          clock.readings.push_back(line.reading);
        }
      },
      command);
}

void ScriptWorld::YieldPoint() {
  if (pacing_ != nullptr && !Over()) {
    pacing_->YieldPoint();
  }
  runner_.YieldPointReached();
}

// A box opens, the events the script ran inside it run, and it closes with the next queued
// answer, taken only then.
char ScriptWorld::Box(GameBox box) {
  if (Showing()) {
    session_.Screen().OpenScriptedBox(box);
  } else {
    runner_.YieldPointReached();
    return ' ';
  }
  runner_.YieldPointReached();
  if (pacing_ != nullptr && !Over()) {
    pacing_->HoldBox();
  }
  const bool answered = Showing();
  const char answer = answered && IsQuestion(box) ? clock.TakeAnswer() : ' ';
  session_.Screen().CloseScriptedBox(answered, answer);
  return answer;
}

void ScriptWorld::Pause(std::int32_t ms) {
  if (pacing_ != nullptr && !Over()) {
    pacing_->Pause(ms);
  }
}

void ScriptWorld::Closing() {
  const bool showing = Showing();
  closed_ = true;
  if (pacing_ != nullptr) {
    pacing_->GameClosed();
  } else if (showing) {
    session_.Screen().CloseMainWindow();
  }
}

void ScriptWorld::AboutShown() {
  if (pacing_ != nullptr) {
    pacing_->AboutShown();
  }
}

}  // namespace stonewick
