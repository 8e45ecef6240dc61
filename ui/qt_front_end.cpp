// Passes what the session shows on to the main window, and gives it Qt's boxes, clock and
// event loop.
#include "ui/qt_front_end.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <chrono>
#include <cstdio>

#include "lib/pause.h"
#include "session/core/session.h"
#include "session/core/watch_status.h"
#include "ui/clock_text.h"
#include "ui/cursor_dialogs.h"
#include "ui/game_screen.h"
#include "ui/key_codes.h"
#include "ui/translations.h"

namespace stonewick {

QtFrontEnd::QtFrontEnd() {
  steady_.start();
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
  connect(&wake_, &QTimer::timeout, this, [this] {
    if (session_ != nullptr) {
      session_->WakeUp();
    }
  });
  idleEnd_.setSingleShot(true);
  idleEnd_.setTimerType(Qt::PreciseTimer);
  connect(&idleEnd_, &QTimer::timeout, this, &QtFrontEnd::EndIdle);
}

QtFrontEnd::~QtFrontEnd() {
  if (steering_ && qApp != nullptr) {
    qApp->removeEventFilter(this);
  }
}

// The board view reads the code from the board itself when it paints.
void QtFrontEnd::DrawCell(int col, int row, std::int32_t) {
  if (screen_ != nullptr) {
    screen_->CellChanged(col, row);
  }
}

void QtFrontEnd::ShowReadout(Readout readout, const ReadoutValue& value) {
  if (screen_ != nullptr) {
    screen_->ShowReadout(readout, ReadoutWords(value));
  }
}

void QtFrontEnd::ShowPauseCommand(PauseOffer offer) {
  if (screen_ != nullptr) {
    screen_->ShowPauseCommand(TranslatedCaption(CaptionOf(offer)));
  }
}

void QtFrontEnd::EnableCommand(MenuCommand command, bool enabled) {
  if (screen_ != nullptr) {
    screen_->EnableCommand(command, enabled);
  }
}

void QtFrontEnd::ShowInstructions(int colour) {
  if (screen_ != nullptr) {
    screen_->ShowInstructions(colour);
  }
}

void QtFrontEnd::ShowAbout(bool shown) {
  if (screen_ != nullptr) {
    screen_->ShowAbout(shown);
  }
}

void QtFrontEnd::CloseMainWindow() {
  wake_.stop();
  EndIdle();
  if (screen_ != nullptr) {
    screen_->CloseWindow();
  }
}

char QtFrontEnd::RunModalBox(GameBox box) {
  const std::string message = BoxWords(box).toStdString();
  if (!IsQuestion(box)) {
    InfoDialog(message);
    return ' ';
  }
  return ConfirmDialog(message);
}

void QtFrontEnd::OpenScriptedBox(GameBox shown) {
  const std::string message = BoxWords(shown).toStdString();
  std::unique_ptr<QMessageBox> box =
      IsQuestion(shown) ? OpenQuestionBox(message) : OpenInfoBox(message);
  // The recording answers it, not the player: it holds nothing back, so that Exit, Alt+E and
  // the close box still end the program while it shows. The modality is settled only as the
  // box is shown again, in the same turn of the event loop, before anything is drawn.
  box->hide();
  box->setWindowModality(Qt::NonModal);
  box->show();
  scriptedBoxes_.push_back(std::move(box));
}

void QtFrontEnd::CloseScriptedBox(bool, char) {
  if (!scriptedBoxes_.empty()) {
    CloseOpenedBox(*scriptedBoxes_.back());
    scriptedBoxes_.pop_back();
  }
}

double QtFrontEnd::LocalDays() {
  return DaysSinceEpoch(QDateTime::currentDateTime());
}

std::int64_t QtFrontEnd::SteadyMs() {
  return steady_.elapsed();
}

std::uint32_t QtFrontEnd::ClockReading() {
  const auto ns = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
}

void QtFrontEnd::Sleep(std::int32_t ms) {
  PauseMs(ms);
}

void QtFrontEnd::LetEventsIn() {
  QCoreApplication::processEvents();
}

void QtFrontEnd::WakeAfter(std::int64_t ms) {
  if (ms < 0) {
    wake_.stop();
  } else {
    wake_.start(std::chrono::milliseconds(ms));
  }
}

void QtFrontEnd::Idle(std::int64_t ms) {
  QEventLoop loop;
  idling_.push_back(&loop);
  if (ms >= 0) {
    idleEnd_.start(std::chrono::milliseconds(std::max<std::int64_t>(ms, 1)));
  }
  loop.exec();
  idling_.pop_back();
  if (ms >= 0) {
    idleEnd_.stop();
  }
}

void QtFrontEnd::EndIdle() {
  if (!idling_.empty()) {
    idling_.back()->quit();
  }
}

void QtFrontEnd::ShowWatching(const WatchStatus& status) {
  if (status.watching != steering_) {
    steering_ = status.watching;
    if (steering_) {
      qApp->installEventFilter(this);
    } else {
      qApp->removeEventFilter(this);
      keysBox_.reset();
    }
  }
  if (screen_ != nullptr) {
    screen_->ShowWatching(status);
  }
}

bool QtFrontEnd::TellVerdict(const WatchVerdict& verdict, bool differs) {
  // Also on standard output in English, for whoever plays recordings from a script.
  std::printf("%s\n", EnglishVerdict(verdict).c_str());
  std::fflush(stdout);
  std::unique_ptr<QMessageBox> box = OpenInfoBox(VerdictWords(verdict).toStdString());
  QPushButton* toDifference =
      differs ? box->addButton(QCoreApplication::translate("Playback", "Go to the difference"),
                               QMessageBox::ActionRole)
              : nullptr;
  box->exec();
  return toDifference != nullptr && box->clickedButton() == toDifference;
}

void QtFrontEnd::ShowWatchKeys() {
  if (keysBox_ == nullptr) {
    keysBox_ = OpenInfoBox({});
    keysBox_->setWindowTitle(QCoreApplication::translate("Playback", "Stonewick - keys"));
    // Each line's key and what it does, in two columns.
    QString table = "<table cellspacing=\"0\" cellpadding=\"1\">";
    for (const QString& line : TranslatedText("Playback", kWatchKeysHelp).split('\n')) {
      const QStringList parts = line.split('\t');
      table += "<tr><td style=\"padding-right: 12px\">" + parts.front().toHtmlEscaped() +
               "</td><td>" + parts.back().toHtmlEscaped() + "</td></tr>";
    }
    keysBox_->setTextFormat(Qt::RichText);
    keysBox_->setText(table + "</table>");
  }
  keysBox_->show();
  keysBox_->raise();
}

bool QtFrontEnd::eventFilter(QObject* watched, QEvent* event) {
  // The Alt accelerators are the menu's: Exit stays in reach.
  if (event->type() != QEvent::KeyPress || !steering_ || session_ == nullptr) {
    return QObject::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const std::uint16_t code = VirtualKeyOf(*key);
  // The session says whether a key steers: while the verdict is told the keys are its box's.
  if (session_->TakesInput(KeyPress{code})) {
    // The keys box closes from the keyboard as any box does.
    if (keysBox_ != nullptr && keysBox_->isVisible() &&
        (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
         key->key() == Qt::Key_Enter)) {
      keysBox_->hide();
      return true;
    }
    if (!key->modifiers().testFlag(Qt::AltModifier)) {
      session_->Deliver(KeyPress{code});
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace stonewick
