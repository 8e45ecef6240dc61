// The input-string dialog: layout, the two results, focus kept in the edit box, and
// dragging the title-less window by its panel.
#include "ui/input_dialog.h"

#include <qdrawutil.h>

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include "ui/fonts.h"

namespace stonewick {

namespace {

// The dialog's own caption (it has no title bar to show it in) and the texts its prompts and
// edit box start with; nothing in the game fills them, since nothing opens the dialog.
constexpr const char* kCaption = "Finpstr";
constexpr const char* kStartingPrompt = "Label1";
constexpr const char* kStartingText = "Edit1";

// The application-wide cursor is one setting, not a stack: replace it rather than push.
void SetApplicationCursor(Qt::CursorShape shape) {
  if (QGuiApplication::overrideCursor() != nullptr) {
    QGuiApplication::changeOverrideCursor(QCursor(shape));
  } else {
    QGuiApplication::setOverrideCursor(QCursor(shape));
  }
}

QPushButton* DialogButton(const QString& caption, QWidget* parent, int x) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, 104, 57, 25);
  button->setFont(WindowFont("MS Sans Serif", 11, true));
  button->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  button->setAutoDefault(false);
  return button;
}

}  // namespace

void InputDialogPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  qDrawShadePanel(&painter, rect(), palette(), false, 2);
  qDrawShadePanel(&painter, rect().adjusted(2, 2, -2, -2), palette(), true, 2);
}

InputDialog::InputDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setWindowTitle(kCaption);
  setFont(WindowFont("MS Sans Serif", 11, false));
  setFixedSize(296, 153);
  move(976, 401);

  panel = new InputDialogPanel(this);
  panel->setGeometry(0, 0, 296, 153);
  QPalette silver = panel->palette();
  silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  panel->setPalette(silver);
  panel->setMouseTracking(true);  // moves without a button restore the arrow
  panel->installEventFilter(this);

  promptLabel = new QLabel(kStartingPrompt, panel);
  promptLabel->setFont(WindowFont("MS Sans Serif", 11, true));
  promptLabel->move(16, 16);
  questionLabel = new QLabel(kStartingPrompt, panel);
  questionLabel->setFont(WindowFont("MS Sans Serif", 13, true));
  questionLabel->move(16, 37);

  textEdit = new QLineEdit(kStartingText, panel);
  textEdit->setGeometry(64, 64, 129, 21);
  textEdit->setFocusPolicy(Qt::StrongFocus);

  okButton = DialogButton("OK", panel, 64);
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, [this] {
    OkClicked();
    done(kResultOk);
  });
  cancelButton = DialogButton("Cancel", panel, 136);
  connect(cancelButton, &QPushButton::clicked, this, [this] {
    CancelClicked();
    done(kResultCancel);
  });

  textEdit->setFocus();
}

// The labels are sized to their text only when the dialog is shown: the game keeps it hidden,
// and laying out text it never shows would slow the program's start.
void InputDialog::showEvent(QShowEvent* event) {
  promptLabel->adjustSize();
  questionLabel->adjustSize();
  QDialog::showEvent(event);
}

void InputDialog::reject() {
  cancelButton->click();
}

bool InputDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel && event->type() == QEvent::MouseButtonPress) {
    // Only the bare panel is a handle; presses on labels or controls are theirs.
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (panel->childAt(at) == nullptr) {
      PanelPressed();
      return true;
    }
  } else if (watched == panel && event->type() == QEvent::MouseMove) {
    PanelMouseMoved();
  }
  return QDialog::eventFilter(watched, event);
}

void InputDialog::PanelPressed() {
  SetApplicationCursor(Qt::DragMoveCursor);
  // The window manager moves the window as if its title bar had been grabbed; it takes
  // over the mouse until the button is released.
  if (QWindow* window = windowHandle()) {
    window->startSystemMove();
  }
}

void InputDialog::PanelMouseMoved() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  if (cursor == nullptr || cursor->shape() != Qt::ArrowCursor) {
    SetApplicationCursor(Qt::ArrowCursor);
  }
}

void InputDialog::OkClicked() {
  textEdit->setFocus();
}

void InputDialog::CancelClicked() {
  textEdit->setFocus();
}

}  // namespace stonewick
