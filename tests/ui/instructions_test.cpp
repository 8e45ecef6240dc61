// The Instructions window: its exact text, the memo's form, and the pastel drawn at each
// opening without disturbing the game's random sequence.
#include <QPlainTextEdit>
#include <QTest>
#include <vector>

#include "lib/random.h"
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
    stonewick::Random random;
    InstructionsWindow instrs(random, [] { return 0u; });
    const QStringList lines = instrs.instructionsText->toPlainText().split('\n');
    QCOMPARE(lines.size(), 26);
    QCOMPARE(lines.mid(0, 23), kRulesLines);
    QVERIFY(!lines[23].isEmpty());
    QVERIFY(!lines[24].isEmpty());
    QCOMPARE(lines[25], QString());
  }

  void openingPaintsThePastelDrawnFromTheClock_data() {
    QTest::addColumn<quint32>("clock");
    QTest::addColumn<QColor>("colour");
    // Seed c gives c * 134775813 + 1, and the draw is 1 + the top part of that times 6.
    QTest::newRow("1, pale yellow") << quint32(0) << QColor(0xFF, 0xFF, 0xC4);
    QTest::newRow("4, pale cyan") << quint32(0x80000000u) << QColor(0xCE, 0xFF, 0xFF);
  }

  void openingPaintsThePastelDrawnFromTheClock() {
    QFETCH(quint32, clock);
    QFETCH(QColor, colour);
    stonewick::Random random;
    InstructionsWindow instrs(random, [clock] { return clock; });
    instrs.show();
    QCOMPARE(instrs.TextColour(), colour);
  }

  void openingLeavesTheGamesRandomSequenceUnchanged() {
    stonewick::Random game{12345};
    stonewick::Random untouched{12345};
    InstructionsWindow instrs(game, [] { return 0x5EEDu; });
    game.RandomBelow(100);
    untouched.RandomBelow(100);
    instrs.show();
    instrs.hide();
    instrs.show();
    std::vector<std::uint32_t> after;
    std::vector<std::uint32_t> expected;
    for (int i = 0; i < 8; ++i) {
      after.push_back(game.RandomBelow(1000));
      expected.push_back(untouched.RandomBelow(1000));
    }
    QCOMPARE(after, expected);
  }

  void reopeningDrawsAgainButShowingAnOpenWindowKeepsItsColour() {
    stonewick::Random random;
    std::vector<std::uint32_t> readings = {0, 0x80000000u};
    std::size_t reads = 0;
    InstructionsWindow instrs(random, [&] { return readings[reads++ % readings.size()]; });
    instrs.show();
    QCOMPARE(instrs.TextColour(), QColor(0xFF, 0xFF, 0xC4));
    instrs.show();
    instrs.raise();
    QCOMPARE(reads, std::size_t{1});
    QCOMPARE(instrs.TextColour(), QColor(0xFF, 0xFF, 0xC4));
    instrs.close();
    instrs.show();
    QCOMPARE(reads, std::size_t{2});
    QCOMPARE(instrs.TextColour(), QColor(0xCE, 0xFF, 0xFF));
  }
};

QTEST_MAIN(InstructionsTest)
#include "instructions_test.moc"
