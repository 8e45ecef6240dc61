// The headless host: virtual time, labels as text, dialogs that print and answer from a
// queue. Nothing is ever pending inside a step, so processing messages does nothing.
#include "tools/replay_host.h"

#include <cmath>
#include <cstdio>

#include "game/game.h"

namespace stonewick {

ReplayHost::ReplayHost(std::ostream& out_) : out(out_), pauseCaption(kPauseCaption) {
  for (std::size_t i = 0; i < labels.size(); ++i) {
    labels[i] = kInitialLabelCaptions[i];
  }
  timers[kMainTimer].interval = kMainTickMs;
  timers[kSlowTimer].interval = kSlowTickMs;
  timers[kBadStepTimer].interval = kFirstBadStepMs;
}

void ReplayHost::DrawCell(int, int, std::int32_t) {}

void ReplayHost::ShowReadout(Readout readout, const std::string& text) {
  labels[static_cast<std::size_t>(readout) - 1] = text;
}

void ReplayHost::RunPendingEvents() {}

void ReplayHost::ShowMessage(const std::string& message) {
  out << "info \"" << message << "\"\n";
}

char ReplayHost::AskYesNoCancel(const std::string& message) {
  char answer = 'C';
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  out << "confirm \"" << message << "\" ";
  if (answer == ' ') {
    out << "none\n";
  } else {
    out << answer << '\n';
  }
  return answer;
}

void ReplayHost::SetTimersRunning(bool running) {
  for (VirtualTimer& timer : timers) {
    if (running && !timer.enabled) {
      timer.due = nowMs + timer.interval;
    }
    timer.enabled = running;
  }
}

void ReplayHost::SetBadStepInterval(std::int32_t ms) {
  VirtualTimer& timer = timers[kBadStepTimer];
  if (ms == timer.interval) {
    return;
  }
  timer.interval = ms;
  if (timer.enabled) {
    timer.due = nowMs + ms;
  }
}

double ReplayHost::Now() {
  return static_cast<double>(nowMs) / static_cast<double>(kMsPerDay);
}

std::string ReplayHost::ClockText(double elapsed) {
  // Whole milliseconds first, then the seconds of that time of day.
  const auto ms = static_cast<std::int64_t>(std::llround(elapsed * static_cast<double>(kMsPerDay)));
  std::int64_t seconds = (ms / 1000) % 86'400;
  if (seconds < 0) {
    seconds += 86'400;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

std::uint32_t ReplayHost::ClockReading() {
  return static_cast<std::uint32_t>(nowMs);
}

void ReplayHost::PauseMs(std::int32_t) {}

void ReplayHost::ShowPauseCommand(const std::string& caption) {
  pauseCaption = caption;
}

void ReplayHost::EnableSkipCommand(bool enabled) {
  skipEnabled = enabled;
}

void ReplayHost::CloseMainWindow() {
  if (!closed) {
    out << "closed\n";
  }
  closed = true;
}

}  // namespace stonewick
