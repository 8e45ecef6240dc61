// Message boxes anchored at the mouse cursor, and showing a window at the cursor.
#include "ui/cursor_dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>

namespace stonewick {

QPoint lastDialogPos;
QPoint lastClosePos;
std::string dialogCaption;

namespace {

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().size() : QSize();
}

// A message box that puts its outer corner at its anchor, pulled back onto the screen. It
// moves there once it knows its final size, which the box works out only as it is shown,
// before it appears; and once more when it first appears, if the window manager framed it
// elsewhere.
class AnchoredBox : public QMessageBox {
 public:
  AnchoredBox(Icon icon, const std::string& message, QPoint anchor) : anchor_(anchor) {
    setIcon(icon);
    // Plain text: the message shows exactly as the game wrote it, '&' and '<' included.
    setTextFormat(Qt::PlainText);
    setText(QString::fromStdString(message));
    setWindowTitle(dialogCaption.empty() ? ApplicationTitle()
                                         : " " + QString::fromStdString(dialogCaption));
    // Asked for a place before it is shown, the box is not first centred over the main window.
    move(anchor_);
  }

 protected:
  void showEvent(QShowEvent* event) override {
    // Plain captions: many desktop styles would give OK, Yes, No and Cancel stock icons.
    for (QAbstractButton* button : buttons()) {
      button->setIcon(QIcon());
    }
    QMessageBox::showEvent(event);
    FitToMessage();
    ClampToScreen(*this, anchor_);
    PutFrameCornerAtPosition();
    if (QWindow* handle = windowHandle(); handle != nullptr) {
      handle->installEventFilter(this);  // once only, however often it is shown
    }
    placed_ = false;
  }

  bool event(QEvent* event) override {
    // Qt's box sizes itself again on every layout request, and requests keep coming after it
    // is shown. Each new size goes to the window manager with the position Qt last heard of,
    // which while the window manager is still framing the box is an old one (where the box
    // was created, or a place asked for on the way there), and the box would be moved there.
    // So the box keeps the size it was given as it was shown.
    if (event->type() == QEvent::LayoutRequest) {
      return QDialog::event(event);
    }
    return QMessageBox::event(event);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!placed_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
      placed_ = true;
      PutFrameCornerAtAnchor();
    }
    return QMessageBox::eventFilter(watched, event);
  }

 private:
  // Qt's box breaks any message wider than about 500 pixels; the game's messages are one
  // sentence each and read best on one line, so the box grows to the message's width as long
  // as that fits on the screen.
  void FitToMessage() {
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QScreen* where = screen();
    if (label == nullptr || !label->wordWrap() || layout() == nullptr || where == nullptr) {
      return;
    }
    label->setWordWrap(false);
    layout()->activate();
    const int width = layout()->totalMinimumSize().width();
    if (width > where->availableGeometry().width()) {
      label->setWordWrap(true);
      return;
    }
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                     : layout()->totalMinimumSize().height();
    setFixedSize(width, height);
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
  }

  // The box exists before it is shown, but its frame is added by the window manager only when
  // the box appears, so a plain move would put the client area at the anchor and the title bar
  // above it. While the frame is unknown, the outer corner is asked for instead. The native
  // window is given the box's geometry first: Qt sizes it lazily, and a native window of
  // another size would be moved again, client area first, as it is shown.
  void PutFrameCornerAtPosition() {
    QWindow* handle = windowHandle();
    if (handle != nullptr && frameGeometry() == geometry()) {
      handle->setGeometry(geometry());
      handle->setFramePosition(pos());
    }
  }

  // By the time the box first appears the window manager has framed and placed it. A window
  // manager slower than the game may have carried out the moves Qt asked for before the box
  // was shown only after framing it, or placed it by the size hints of one of them; so the
  // box looks where it landed and, if that is not its anchor, moves its client area to the
  // place that puts the outer corner there, now that the frame is known.
  void PutFrameCornerAtAnchor() {
    QWindow* handle = windowHandle();
    const QSize screen = ScreenSize();
    if (handle == nullptr || !screen.isValid()) {
      return;
    }
    const QMargins frame = handle->frameMargins();
    const QRect outer = handle->frameGeometry();
    const QPoint corner = ClampedTopLeft(anchor_, outer.size(), QRect(QPoint(0, 0), screen));
    if (outer.topLeft() != corner) {
      setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
    }
  }

  QPoint anchor_;
  // Looked at where it landed, with its frame known, since it was last shown.
  bool placed_ = false;
};

int RunAnchored(AnchoredBox& box) {
  const int result = box.exec();
  lastClosePos = QCursor::pos();
  return result;
}

std::unique_ptr<AnchoredBox> MakeInfoBox(const std::string& message) {
  auto box = std::make_unique<AnchoredBox>(QMessageBox::Information, message, DialogAnchor());
  box->setStandardButtons(QMessageBox::Ok);
  box->setDefaultButton(QMessageBox::Ok);
  box->setEscapeButton(QMessageBox::Ok);
  return box;
}

std::unique_ptr<AnchoredBox> MakeQuestionBox(const std::string& message) {
  auto box = std::make_unique<AnchoredBox>(QMessageBox::Question, message, DialogAnchor());
  box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  box->setDefaultButton(QMessageBox::Yes);
  // The close box answers like Esc, and Esc like Cancel.
  box->setEscapeButton(QMessageBox::Cancel);
  return box;
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

QPoint ClampedTopLeft(QPoint p, QSize size, const QRect& area) {
  int left = p.x();
  int top = p.y();
  if (left + size.width() > area.x() + area.width()) {
    left = area.x() + area.width() - size.width();
  }
  if (top + size.height() > area.y() + area.height()) {
    top = area.y() + area.height() - size.height();
  }
  return {left, top};
}

QPoint KeptOnArea(QPoint p, QSize size, const QRect& area) {
  const QPoint clamped = ClampedTopLeft(p, size, area);
  return {std::max(clamped.x(), area.x()), std::max(clamped.y(), area.y())};
}

void ClampToScreen(QWidget& window, QPoint p) {
  const QSize screen = ScreenSize();
  window.move(screen.isValid() ? ClampedTopLeft(p, window.size(), QRect(QPoint(0, 0), screen)) : p);
}

void InfoDialog(const std::string& message) {
  RunAnchored(*MakeInfoBox(message));
}

char ConfirmDialog(const std::string& message) {
  switch (RunAnchored(*MakeQuestionBox(message))) {
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

std::unique_ptr<QMessageBox> OpenInfoBox(const std::string& message) {
  std::unique_ptr<QMessageBox> box = MakeInfoBox(message);
  box->show();
  return box;
}

std::unique_ptr<QMessageBox> OpenQuestionBox(const std::string& message) {
  std::unique_ptr<QMessageBox> box = MakeQuestionBox(message);
  box->show();
  return box;
}

void CloseOpenedBox(QMessageBox& box) {
  box.close();
  lastClosePos = QCursor::pos();
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
