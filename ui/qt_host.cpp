// Passes the rules' requests on to the main window, Qt's event loop and the system clock.
#include "ui/qt_host.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <chrono>

#include "lib/pause.h"
#include "lib/play_clock.h"
#include "ui/clock_text.h"
#include "ui/cursor_dialogs.h"
#include "ui/game_screen.h"
#include "ui/playback.h"
#include "ui/recorder.h"

namespace stonewick {

// The board view reads the code from the board itself when it paints.
void QtHost::DrawCell(int col, int row, std::int32_t) {
  if (screen_ != nullptr) {
    screen_->CellChanged(col, row);
  }
}

void QtHost::ShowReadout(Readout readout, const std::string& text) {
  if (screen_ != nullptr) {
    screen_->ShowReadout(readout, QString::fromStdString(text));
  }
}

// Each of these three is a yield point: other events may run inside it.
void QtHost::RunPendingEvents() {
  QCoreApplication::processEvents();
  if (playback_ != nullptr) {
    playback_->LetEventsIn();
  }
}

void QtHost::ShowMessage(const std::string& message) {
  if (playback_ != nullptr) {
    playback_->ShowMessage(message);
    return;
  }
  InfoDialog(message);
}

char QtHost::AskYesNoCancel(const std::string& message) {
  if (playback_ != nullptr) {
    return playback_->Ask(message);
  }
  const char answer = ConfirmDialog(message);
  if (recorder_ != nullptr) {
    recorder_->Answer(answer);
  }
  return answer;
}

void QtHost::SetTimersRunning(bool running) {
  if (playback_ != nullptr) {
    playback_->Clock().SetTimersRunning(running);
  } else if (screen_ != nullptr) {
    screen_->SetTimersRunning(running);
  }
}

void QtHost::SetBadStepInterval(std::int32_t ms) {
  if (playback_ != nullptr) {
    playback_->Clock().SetBadStepInterval(ms);
  } else if (screen_ != nullptr) {
    screen_->SetBadStepInterval(ms);
  }
}

double QtHost::Now() {
  if (playback_ != nullptr) {
    return playback_->Clock().Days();
  }
  if (recorder_ != nullptr) {
    // Days since the recording started, exactly as the replay counts them.
    return static_cast<double>(recorder_->ClockMs()) / static_cast<double>(kMsPerDay);
  }
  return DaysSinceEpoch(QDateTime::currentDateTime());
}

std::uint32_t QtHost::ClockReading() {
  if (playback_ != nullptr) {
    return playback_->Clock().TakeReading();
  }
  const auto ns = std::chrono::steady_clock::now().time_since_epoch();
  const auto reading =
      static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
  if (recorder_ != nullptr) {
    recorder_->Reading(reading);
  }
  return reading;
}

void QtHost::PauseMs(std::int32_t ms) {
  if (playback_ != nullptr) {
    playback_->PauseMs(ms);
    return;
  }
  stonewick::PauseMs(ms);
}

void QtHost::ShowPauseCommand(const std::string& caption) {
  if (screen_ != nullptr) {
    screen_->ShowPauseCommand(QString::fromStdString(caption));
  }
}

void QtHost::EnableSkipCommand(bool enabled) {
  if (screen_ != nullptr) {
    screen_->EnableSkipCommand(enabled);
  }
}

void QtHost::CloseMainWindow() {
  if (playback_ != nullptr) {
    playback_->RulesClosedWindow();
  } else if (screen_ != nullptr) {
    screen_->CloseWindow();
  }
}

void QtHost::ShowInstructions(int colour) {
  if (screen_ != nullptr) {
    screen_->ShowInstructions(colour);
  }
}

void QtHost::ShowAbout() {
  if (screen_ != nullptr) {
    screen_->ShowAbout();
  }
}

}  // namespace stonewick
