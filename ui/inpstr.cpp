// The input-string dialog: layout, the two results, focus kept in the edit box, and
// dragging the title-less window by its panel.
#include "ui/inpstr.h"

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

namespace {

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
  button->setFont(DesignFont("MS Sans Serif", 11, true));
  button->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  button->setAutoDefault(false);
  return button;
}

}  // namespace

void TFinpstrPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  qDrawShadePanel(&painter, rect(), palette(), false, 2);
  qDrawShadePanel(&painter, rect().adjusted(2, 2, -2, -2), palette(), true, 2);
}

TFinpstr::TFinpstr(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setWindowTitle("Finpstr");
  setFont(DesignFont("MS Sans Serif", 11, false));
  setFixedSize(296, 153);
  move(976, 401);

  Panel1 = new TFinpstrPanel(this);
  Panel1->setGeometry(0, 0, 296, 153);
  QPalette silver = Panel1->palette();
  silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  Panel1->setPalette(silver);
  Panel1->setMouseTracking(true);  // moves without a button restore the arrow
  Panel1->installEventFilter(this);

  Label1 = new QLabel("Label1", Panel1);
  Label1->setFont(DesignFont("MS Sans Serif", 11, true));
  Label1->move(16, 16);
  Label2 = new QLabel("Label1", Panel1);
  Label2->setFont(DesignFont("MS Sans Serif", 13, true));
  Label2->move(16, 37);

  Edit1 = new QLineEdit("Edit1", Panel1);
  Edit1->setGeometry(64, 64, 129, 21);
  Edit1->setFocusPolicy(Qt::StrongFocus);

  Button1 = DialogButton("OK", Panel1, 64);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] {
    Button1Click();
    done(kResultOk);
  });
  Button2 = DialogButton("Cancel", Panel1, 136);
  connect(Button2, &QPushButton::clicked, this, [this] {
    Button2Click();
    done(kResultCancel);
  });

  Edit1->setFocus();
}

// The labels are sized to their text only when the dialog is shown: the game keeps it hidden,
// and laying out text it never shows would slow the program's start.
void TFinpstr::showEvent(QShowEvent* event) {
  Label1->adjustSize();
  Label2->adjustSize();
  QDialog::showEvent(event);
}

void TFinpstr::reject() {
  Button2->click();
}

bool TFinpstr::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::MouseButtonPress) {
    // Only the bare panel is a handle; presses on labels or controls are theirs.
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (Panel1->childAt(at) == nullptr) {
      Panel1MouseDown();
      return true;
    }
  } else if (watched == Panel1 && event->type() == QEvent::MouseMove) {
    Panel1MouseMove();
  }
  return QDialog::eventFilter(watched, event);
}

void TFinpstr::Panel1MouseDown() {
  SetApplicationCursor(Qt::DragMoveCursor);
  // The window manager moves the window as if its title bar had been grabbed; it takes
  // over the mouse until the button is released.
  if (QWindow* window = windowHandle()) {
    window->startSystemMove();
  }
}

void TFinpstr::Panel1MouseMove() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  if (cursor == nullptr || cursor->shape() != Qt::ArrowCursor) {
    SetApplicationCursor(Qt::ArrowCursor);
  }
}

void TFinpstr::Button1Click() {
  Edit1->setFocus();
}

void TFinpstr::Button2Click() {
  Edit1->setFocus();
}
