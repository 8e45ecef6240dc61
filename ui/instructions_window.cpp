// The Instructions window: a read-only wrapped text filling the window, on one of six pastels
// that the game draws each time the window opens.
#include "ui/instructions_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "lib/instructions_colour.h"
#include "ui/fonts.h"

namespace stonewick {

// Blanks at the ends of lines are part of the text.
const QString InstructionsWindow::kText =
    QStringList{
        "",
        "Use the arrow keys to move. Avoid the baddies. ",
        "",
        "Use spacebar to push bricks. ",
        "",
        "Use red bricks to block the baddies. ",
        "",
        "Push red & yellow bricks together to make a wall of red bricks.",
        "Pushing red bricks is more effective than pushing yellow.",
        "",
        "Do not create square blocks of 4! These turn into nests which ",
        "hatch into more baddies. ",
        "",
        "Use the \"B\" key  to smash bricks or nests. You need Powers for ",
        "this. You have 1 free Power to start. ",
        "",
        "Wall up the baddies. Eat their remains to get Powers. ",
        "But hurry, they do not remain edible for long. ",
        "",
        "Good luck! And watch out - it's not very advanced, but still quite ",
        "addictive, can you last more than an hour? Haven't you got better ",
        "things to do?",
        "",
        "Have fun!",
        "The Stonewick developers",
        "",
    }
        .join('\n');

InstructionsWindow::InstructionsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle("Stonewick - instructions");
  setFont(WindowFontInPoints("MS Sans Serif", 8));
  resize(323, 382);
  move(377, 140);

  instructionsText = new QPlainTextEdit(this);
  instructionsText->setReadOnly(true);
  instructionsText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  instructionsText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  instructionsText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  instructionsText->setPlainText(kText);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(instructionsText);
}

QColor InstructionsWindow::TextColour() const {
  return instructionsText->palette().color(QPalette::Base);
}

void InstructionsWindow::Paint(int colour) {
  if (colour >= 1 && colour <= static_cast<int>(kInstructionsColours.size())) {
    QPalette palette = instructionsText->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(kInstructionsColours[colour - 1]));
    instructionsText->setPalette(palette);
  }
}

void InstructionsWindow::Open(int colour) {
  Paint(colour);
  show();
  raise();
  activateWindow();
}

void InstructionsWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  // Closing a window that is not open changes nothing.
  if (isVisible()) {
    emit Closed();
  }
}

}  // namespace stonewick
