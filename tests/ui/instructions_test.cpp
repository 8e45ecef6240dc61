// The Instructions window: its exact text, the memo's form, and the pastel it opens on.
#include <QPlainTextEdit>
#include <QTest>

#include "ui/instructions_window.h"

using namespace stonewick;

namespace {

const QStringList kRulesLines = {
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
};

}  // namespace

class InstructionsTest : public QObject {
  Q_OBJECT

 private slots:
  void textIsTheRulesWordForWordThenASignature() {
    InstructionsWindow instrs;
    const QStringList lines = instrs.Text().toPlainText().split('\n');
    QCOMPARE(lines.size(), 26);
    QCOMPARE(lines.mid(0, 23), kRulesLines);
    QVERIFY(!lines[23].isEmpty());
    QVERIFY(!lines[24].isEmpty());
    QCOMPARE(lines[25], QString());
  }

  void openingPaintsTheGivenPastel_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("pastel");
    QTest::newRow("1, pale yellow") << 1 << QColor(0xFF, 0xFF, 0xC4);
    QTest::newRow("4, pale cyan") << 4 << QColor(0xCE, 0xFF, 0xFF);
  }

  void openingPaintsTheGivenPastel() {
    QFETCH(int, colour);
    QFETCH(QColor, pastel);
    InstructionsWindow instrs;
    instrs.Open(colour);
    QVERIFY(instrs.isVisible());
    QCOMPARE(instrs.TextColour(), pastel);
  }
};

QTEST_MAIN(InstructionsTest)
#include "instructions_test.moc"
