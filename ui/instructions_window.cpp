// The Instructions window: a read-only wrapped text filling the window, on one of six pastels
// that the game draws each time the window opens, made on first use.
#include "ui/instructions_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include "lib/instructions_colour.h"
#include "lib/instructions_text.h"
#include "ui/fonts.h"
#include "ui/translations.h"

namespace stonewick {

InstructionsWindow::InstructionsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QCoreApplication::translate("Instructions", "Stonewick - instructions"));
  setFont(WindowFontInPoints("MS Sans Serif", 8));
  resize(323, 382);
  move(377, 140);
  new QVBoxLayout(this);
  layout()->setContentsMargins(0, 0, 0, 0);

  // Closed by Esc as by its close box, so that a keyboard alone gets back to the board.
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

QPlainTextEdit& InstructionsWindow::Text() {
  if (text_ == nullptr) {
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setPlainText(TranslatedText("Instructions", InstructionsText()));
    layout()->addWidget(text_);
  }
  return *text_;
}

void InstructionsWindow::setVisible(bool visible) {
  if (visible) {
    Text();
  }
  QWidget::setVisible(visible);
}

QColor InstructionsWindow::TextColour() {
  return Text().palette().color(QPalette::Base);
}

void InstructionsWindow::Paint(int colour) {
  if (colour >= 1 && colour <= static_cast<int>(kInstructionsColours.size())) {
    QPalette palette = Text().palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(kInstructionsColours[colour - 1]));
    Text().setPalette(palette);
  }
}

void InstructionsWindow::Open(int colour) {
  Paint(colour);
  if (QApplication::activeWindow() != this) {
    openedFrom_ = QApplication::activeWindow();
  }
  show();
  raise();
  activateWindow();
}

void InstructionsWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  // Closing a window that is not open changes nothing.
  if (!isVisible()) {
    return;
  }
  emit Closed();
  // The keys go back where they came from (the board of the main window), not wherever the
  // window manager puts them.
  if (openedFrom_ != nullptr && openedFrom_->isVisible()) {
    openedFrom_->activateWindow();
  }
}

}  // namespace stonewick
