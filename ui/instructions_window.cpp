// The Instructions window: a read-only wrapped text filling the window, recoloured with
// one of six pastels each time the window opens.
#include "ui/instructions_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>
#include <utility>

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

InstructionsWindow::InstructionsWindow(Random& random, std::function<std::uint32_t()> clockReading,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), random_(random), clockReading_(std::move(clockReading)) {
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

void InstructionsWindow::showEvent(QShowEvent* event) {
  // Spontaneous show events come from the window system, for example when the window is
  // restored from an icon; only opening it from hidden picks a new colour.
  if (!event->spontaneous()) {
    PaintNewColour();
  }
  QWidget::showEvent(event);
}

void InstructionsWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  // Closing a window that is not open changes nothing.
  if (isVisible()) {
    emit Closed();
  }
}

void InstructionsWindow::PaintNewColour() {
  // The draw saves and restores the game's seed, so the game's own sequence is untouched.
  const int number = DrawInstructionsColour(random_, clockReading_());
  QPalette palette = instructionsText->palette();
  palette.setColor(QPalette::Base, QColor::fromRgb(kInstructionsColours[number - 1]));
  instructionsText->setPalette(palette);
}

}  // namespace stonewick
