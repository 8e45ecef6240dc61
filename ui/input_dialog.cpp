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
}

void InputDialog::Build() {
  if (panel_ != nullptr) {
    return;
  }
  panel_ = new InputDialogPanel(this);
  panel_->setGeometry(0, 0, 296, 153);
  QPalette silver = panel_->palette();
  silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  panel_->setPalette(silver);
  panel_->setMouseTracking(true);  // moves without a button restore the arrow
  panel_->installEventFilter(this);

  promptLabel_ = new QLabel(kStartingPrompt, panel_);
  promptLabel_->setFont(WindowFont("MS Sans Serif", 11, true));
  promptLabel_->move(16, 16);
  questionLabel_ = new QLabel(kStartingPrompt, panel_);
  questionLabel_->setFont(WindowFont("MS Sans Serif", 13, true));
  questionLabel_->move(16, 37);

  textEdit_ = new QLineEdit(kStartingText, panel_);
  textEdit_->setGeometry(64, 64, 129, 21);
  textEdit_->setFocusPolicy(Qt::StrongFocus);

  okButton_ = DialogButton("OK", panel_, 64);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, [this] {
    OkClicked();
    done(kResultOk);
  });
  cancelButton_ = DialogButton("Cancel", panel_, 136);
  connect(cancelButton_, &QPushButton::clicked, this, [this] {
    CancelClicked();
    done(kResultCancel);
  });

  textEdit_->setFocus();
}

// The labels are sized to their text only when the dialog is shown: the game keeps it hidden,
// and laying out text it never shows would slow the program's start.
void InputDialog::showEvent(QShowEvent* event) {
  promptLabel_->adjustSize();
  questionLabel_->adjustSize();
  QDialog::showEvent(event);
}

void InputDialog::setVisible(bool visible) {
  if (visible) {
    Build();
  }
  QDialog::setVisible(visible);
}

InputDialogPanel& InputDialog::Panel() {
  Build();
  return *panel_;
}

QLabel& InputDialog::PromptLabel() {
  Build();
  return *promptLabel_;
}

QLineEdit& InputDialog::TextEdit() {
  Build();
  return *textEdit_;
}

QPushButton& InputDialog::OkButton() {
  Build();
  return *okButton_;
}

QPushButton& InputDialog::CancelButton() {
  Build();
  return *cancelButton_;
}

void InputDialog::reject() {
  CancelButton().click();
}

bool InputDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel_ && event->type() == QEvent::MouseButtonPress) {
    // Only the bare panel is a handle; presses on labels or controls are theirs.
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (panel_->childAt(at) == nullptr) {
      PanelPressed();
      return true;
    }
  } else if (watched == panel_ && event->type() == QEvent::MouseMove) {
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
  textEdit_->setFocus();
}

void InputDialog::CancelClicked() {
  textEdit_->setFocus();
}

}  // namespace stonewick
