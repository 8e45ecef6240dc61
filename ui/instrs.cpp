// The Instructions window: a read-only wrapped text filling the window, recoloured with
// one of six pastels each time the window opens.
#include "ui/instrs.h"

#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>
#include <utility>

#include "lib/instructions_colour.h"
#include "ui/fonts.h"

// Blanks at the ends of lines are part of the text.
const QString TFInstrs::kText =
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

TFInstrs::TFInstrs(stonewick::Random& random, std::function<std::uint32_t()> clockReading,
                   QWidget* parent)
    : QWidget(parent, Qt::Window), random_(random), clockReading_(std::move(clockReading)) {
  setWindowTitle("Stonewick - instructions");
  setFont(DesignFontInPoints("MS Sans Serif", 8));
  resize(323, 382);
  move(377, 140);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setPlainText(kText);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
}

QColor TFInstrs::MemoColour() const {
  return Memo1->palette().color(QPalette::Base);
}

void TFInstrs::showEvent(QShowEvent* event) {
  // Spontaneous show events come from the window system, for example when the window is
  // restored from an icon; only opening it from hidden picks a new colour.
  if (!event->spontaneous()) {
    FormShow();
  }
  QWidget::showEvent(event);
}

void TFInstrs::FormShow() {
  // The draw saves and restores the game's seed, so the game's own sequence is untouched.
  const int number = stonewick::DrawInstructionsColour(random_, clockReading_());
  QPalette palette = Memo1->palette();
  palette.setColor(QPalette::Base, QColor::fromRgb(stonewick::kInstructionsColours[number - 1]));
  Memo1->setPalette(palette);
}
