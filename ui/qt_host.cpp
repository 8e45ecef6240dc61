// Passes the rules' requests on to the main window, Qt's event loop and the system clock.
#include "ui/qt_host.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <chrono>

#include "game/game.h"
#include "lib/dialogs.h"
#include "lib/pause.h"
#include "ui/board.h"
#include "ui/clock_text.h"

void QtHost::DrawCell(int col, int row, std::int32_t code) {
  if (board_ != nullptr) {
    board_->DrawGrid1.DrawTile(col, row, code);
  }
}

void QtHost::SetLabel(int label, const std::string& text) {
  if (board_ == nullptr || label < 1 || label > 6) {
    return;
  }
  QLabel& target = board_->Label(label);
  target.setText(QString::fromStdString(text));
  target.adjustSize();
}

void QtHost::ProcessMessages() {
  QCoreApplication::processEvents();
}

void QtHost::InfoDialog(const std::string& message) {
  stonewick::InfoDialog(message);
}

char QtHost::ConfirmDialog(const std::string& message) {
  return stonewick::ConfirmDialog(message);
}

void QtHost::SetTimersEnabled(bool enabled) {
  if (board_ == nullptr) {
    return;
  }
  for (QTimer* timer : {&board_->Timer1, &board_->Timer2, &board_->Timer3}) {
    // Switching on a running timer must not push back its next tick.
    if (enabled && !timer->isActive()) {
      timer->start();
    } else if (!enabled) {
      timer->stop();
    }
  }
}

void QtHost::SetTimer3Interval(std::int32_t ms) {
  // The same interval again changes nothing; a new one restarts a running timer.
  if (board_ != nullptr && ms >= 0 && board_->Timer3.interval() != ms) {
    board_->Timer3.setInterval(ms);
  }
}

std::int32_t QtHost::Timer3Interval() const {
  return board_ != nullptr ? board_->Timer3.interval() : stonewick::kFirstBadStepMs;
}

double QtHost::Now() {
  return DaysSinceEpoch(QDateTime::currentDateTime());
}

std::string QtHost::LongTimeText(double time) {
  const QLocale locale = QLocale::system();
  return TimeOfDayText(time, LongTimeFormatWithoutZone(locale), locale).toStdString();
}

std::uint32_t QtHost::ClockReading() {
  const auto ns = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
}

void QtHost::PauseMs(std::int32_t ms) {
  stonewick::PauseMs(ms);
}

std::string QtHost::PauseCaption() const {
  return board_ != nullptr ? board_->Pause1.text().toStdString() : stonewick::kPauseCaption;
}

void QtHost::SetPauseCaption(const std::string& caption) {
  if (board_ != nullptr) {
    board_->Pause1.setText(QString::fromStdString(caption));
  }
}

void QtHost::SetSkipEnabled(bool enabled) {
  if (board_ != nullptr) {
    board_->Skip1.setEnabled(enabled);
  }
}

bool QtHost::GlideChecked() const {
  return board_ != nullptr && board_->glidechk.isChecked();
}

void QtHost::CloseMainWindow() {
  if (board_ != nullptr) {
    board_->close();
  }
}
