// The headless host: virtual time, labels as text, dialogs that print and answer from a
// queue. Processing messages, and every box while it is open, is a yield point: the events
// the script nests there run then, and nothing else is ever pending.
#include "tools/replay_host.h"

#include "game/game.h"

namespace stonewick {

ReplayHost::ReplayHost(std::ostream& out_) : out(out_), pauseCaption(kPauseCaption) {
  for (std::size_t i = 0; i < labels.size(); ++i) {
    labels[i] = kInitialLabelCaptions[i];
  }
}

WindowItems ReplayHost::ShownItems() const {
  WindowItems items;
  items.timersOn = timers.AllEnabled();
  items.badStepInterval = timers[GameTimer::BadStep].interval;
  items.pauseCaption = pauseCaption;
  items.labels = labels;
  return items;
}

void ReplayHost::DrawCell(int, int, std::int32_t) {}

void ReplayHost::ShowReadout(Readout readout, const std::string& text) {
  labels[static_cast<std::size_t>(readout)] = text;
}

void ReplayHost::YieldPoint() {
  if (yieldPoints != nullptr) {
    yieldPoints->Reached();
  }
}

void ReplayHost::RunPendingEvents() {
  YieldPoint();
}

// A box prints its line as it closes, after the events that ran while it was open.
void ReplayHost::ShowMessage(const std::string& message) {
  YieldPoint();
  if (Showing()) {
    out << "info \"" << message << "\"\n";
  }
}

char ReplayHost::AskYesNoCancel(const std::string& message) {
  YieldPoint();
  if (!Showing()) {
    return ' ';
  }
  const char answer = TakeAnswer();
  out << "confirm \"" << message << "\" " << AnswerWord(answer) << '\n';
  return answer;
}

void ReplayHost::PauseMs(std::int32_t) {}

void ReplayHost::ShowPauseCommand(const std::string& caption) {
  pauseCaption = caption;
}

void ReplayHost::EnableSkipCommand(bool enabled) {
  skipEnabled = enabled;
}

void ReplayHost::CloseMainWindow() {
  if (Showing()) {
    out << "closed\n";
  }
  closed = true;
}

// Neither window changes anything the replay shows.
void ReplayHost::ShowInstructions(int) {}

void ReplayHost::ShowAbout() {}

}  // namespace stonewick
