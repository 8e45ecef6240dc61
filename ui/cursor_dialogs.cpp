// Message boxes anchored at the mouse cursor, and showing a window at the cursor.
#include "ui/cursor_dialogs.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>

namespace stonewick {

QPoint lastDialogPos;
QPoint lastClosePos;
std::string dialogCaption;

namespace {

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().size() : QSize();
}

// A message box that moves itself to its anchor once it knows its final size, which the
// box works out only as it is shown, and before it appears on the screen.
class AnchoredBox : public QMessageBox {
 public:
  AnchoredBox(Icon icon, const std::string& message, QPoint anchor) : anchor_(anchor) {
    setIcon(icon);
    // Plain text: the message shows exactly as the game wrote it, '&' and '<' included.
    setTextFormat(Qt::PlainText);
    setText(QString::fromStdString(message));
    setWindowTitle(dialogCaption.empty() ? ApplicationTitle()
                                         : " " + QString::fromStdString(dialogCaption));
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    ClampToScreen(*this, anchor_);
  }

 private:
  QPoint anchor_;
};

int RunAnchored(AnchoredBox& box) {
  const int result = box.exec();
  lastClosePos = QCursor::pos();
  return result;
}

}  // namespace

void StartDialogs() {
  lastDialogPos = QPoint();
  lastClosePos = QPoint();
  dialogCaption.clear();
}

QString ApplicationTitleFromPath(const QString& path) {
  QString name = QFileInfo(path).fileName();
  const qsizetype dot = name.indexOf(u'.');
  if (dot >= 0) {
    name.truncate(dot);
  }
  if (name.isEmpty()) {
    return name;
  }
  return name.left(1).toUpper() + name.mid(1).toLower();
}

QString ApplicationTitle() {
  return ApplicationTitleFromPath(QCoreApplication::applicationFilePath());
}

bool DoubleAmpersands(std::string& message) {
  bool found = false;
  std::string::size_type at = message.find('&');
  while (at != std::string::npos) {
    message.insert(at, 1, '&');
    found = true;
    at = message.find('&', at + 2);
  }
  return found;
}

QPoint DialogAnchor() {
  QPoint p = QCursor::pos();
  if (p == lastClosePos) {
    p = lastDialogPos;
  }
  lastDialogPos = p;
  return p;
}

void ClampToScreen(QWidget& window, QPoint p) {
  const QSize screen = ScreenSize();
  int left = p.x();
  int top = p.y();
  if (screen.isValid()) {
    if (left + window.width() > screen.width()) {
      left = screen.width() - window.width();
    }
    if (top + window.height() > screen.height()) {
      top = screen.height() - window.height();
    }
  }
  window.move(left, top);
}

void InfoDialog(const std::string& message) {
  AnchoredBox box(QMessageBox::Information, message, DialogAnchor());
  box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  RunAnchored(box);
}

char ConfirmDialog(const std::string& message) {
  AnchoredBox box(QMessageBox::Question, message, DialogAnchor());
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Yes);
  // The close box answers like Esc, and Esc like Cancel.
  box.setEscapeButton(QMessageBox::Cancel);
  switch (RunAnchored(box)) {
    case QMessageBox::Yes:
      return 'Y';
    case QMessageBox::No:
      return 'N';
    case QMessageBox::Cancel:
      return 'C';
    default:
      return ' ';
  }
}

void ShowAtCursor(QWidget& window) {
  // A window never shown yet has not been sized to its contents unless its owner sized it.
  window.ensurePolished();
  if (!window.testAttribute(Qt::WA_Resized)) {
    window.adjustSize();
  }
  // One pixel right of and below the cursor, pulled back onto the screen like the boxes;
  // the boxes' anchor memory is left alone.
  ClampToScreen(window, QCursor::pos() + QPoint(1, 1));
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace stonewick
