// The Qt side of the rules' host: timer switching and intervals, the clock and its text,
// drawing cells, labels, menu state, processing pending events and the key codes.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ui/clock_text.h"
#include "ui/key_codes.h"
#include "ui/program.h"

class QtHostTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program = std::make_unique<Program>();
    program->FBoard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->FBoard));
  }
  void cleanup() { program.reset(); }

  void timersSwitchOnAndOffTogether() {
    host().SetTimersEnabled(true);
    QVERIFY(board().Timer1.isActive() && board().Timer2.isActive() && board().Timer3.isActive());
    host().SetTimersEnabled(false);
    QVERIFY(!board().Timer1.isActive() && !board().Timer2.isActive() && !board().Timer3.isActive());
  }

  void switchingOnRunningTimersKeepsTheirNextTick() {
    host().SetTimersEnabled(true);
    QTest::qWait(80);
    const int before = board().Timer2.remainingTime();
    host().SetTimersEnabled(true);
    QVERIFY2(board().Timer2.remainingTime() <= before,
             qPrintable(QString("restarted: %1 ms left, was %2")
                            .arg(board().Timer2.remainingTime())
                            .arg(before)));
  }

  void newBadStepIntervalRestartsTimerAndSameOneLeavesIt() {
    host().SetTimersEnabled(true);
    host().SetTimer3Interval(300);
    QCOMPARE(host().Timer3Interval(), 300);
    QTest::qWait(80);
    const int running = board().Timer3.remainingTime();
    host().SetTimer3Interval(300);
    QVERIFY(board().Timer3.remainingTime() <= running);
    host().SetTimer3Interval(290);
    QCOMPARE(host().Timer3Interval(), 290);
    QVERIFY(board().Timer3.isActive());
    QVERIFY(board().Timer3.remainingTime() > running);
  }

  void nowCountsDaysSinceTheEndOf1899() {
    QCOMPARE(DaysSinceEpoch(QDateTime(QDate(1899, 12, 30), QTime(6, 0))), 0.25);
    QCOMPARE(DaysSinceEpoch(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    const double now = DaysSinceEpoch(QDateTime::currentDateTime());
    QVERIFY(std::abs(host().Now() - now) < 1.0 / 86400);
  }

  void longTimeFormatLosesOnlyItsTimeZone() {
    QCOMPARE(WithoutTimeZone("HH:mm:ss t"), QString("HH:mm:ss"));
    QCOMPARE(WithoutTimeZone("h:mm:ss AP t"), QString("h:mm:ss AP"));
    QCOMPARE(WithoutTimeZone("t HH 'at' mm"), QString("HH 'at' mm"));
    QCOMPARE(LongTimeFormatWithoutZone(QLocale::c()), QString("HH:mm:ss"));
  }

  void clockTextShowsTimeOfDayOfAFraction() {
    const QLocale c = QLocale::c();
    QCOMPARE(TimeOfDayText(5.0 / 86400, "HH:mm:ss", c), QString("00:00:05"));
    QCOMPARE(TimeOfDayText(44000.75, "HH:mm:ss", c), QString("18:00:00"));
    QCOMPARE(TimeOfDayText(-1.25, "HH:mm:ss", c), QString("06:00:00"));
    QCOMPARE(TimeOfDayText(3723.0 / 86400, "h:mm:ss AP", QLocale("en_US")), QString("1:02:03 AM"));
  }

  void drawCellPutsTileInBackBufferAndIgnoresUnknownCodesAndCells() {
    host().DrawCell(3, 4, stonewick::Border);
    QCOMPARE(Cell(3, 4), tile(stonewick::Border));
    host().DrawCell(3, 4, 39);
    host().DrawCell(3, 4, -1);
    QCOMPARE(Cell(3, 4), tile(stonewick::Border));
    host().DrawCell(22, 4, stonewick::Blank);
    host().DrawCell(-1, 0, stonewick::Blank);
    QCOMPARE(Cell(0, 0), tile(stonewick::Border));
  }

  void labelTakesTextAndSizeOfItsText() {
    host().SetLabel(4, "Kills : 12345");
    QCOMPARE(board().Label4.text(), QString("Kills : 12345"));
    QCOMPARE(board().Label4.size(), board().Label4.sizeHint());
    host().SetLabel(0, "nowhere");
    host().SetLabel(7, "nowhere");
    QCOMPARE(board().Label1.text(), QString("Powers : 1"));
  }

  void pauseCaptionSkipAndGlideReadTheWindow() {
    QCOMPARE(host().PauseCaption(), std::string("&Pause"));
    host().SetPauseCaption("&Resume");
    QCOMPARE(board().Pause1.text(), QString("&Resume"));
    host().SetSkipEnabled(false);
    QVERIFY(!board().Skip1.isEnabled());
    QVERIFY(!host().GlideChecked());
    board().glidechk.setChecked(true);
    QVERIFY(host().GlideChecked());
  }

  void processMessagesDeliversPendingKeyPresses() {
    QCoreApplication::postEvent(&board().DrawGrid1,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
    QCOMPARE(program->game.state, stonewick::GameState::Ready);
    host().ProcessMessages();
    QCOMPARE(program->game.state, stonewick::GameState::Running);
    QCOMPARE(program->game.playerCol, 9);
  }

  void clockReadingsDifferFromCallToCall() {
    const std::uint32_t first = host().ClockReading();
    QTest::qWait(2);
    QVERIFY(host().ClockReading() != first);
  }

  void keysBecomeVirtualKeyCodes() {
    QCOMPARE(VirtualKeyOf(Qt::Key_Left), std::uint16_t{37});
    QCOMPARE(VirtualKeyOf(Qt::Key_Up), std::uint16_t{38});
    QCOMPARE(VirtualKeyOf(Qt::Key_Right), std::uint16_t{39});
    QCOMPARE(VirtualKeyOf(Qt::Key_Down), std::uint16_t{40});
    QCOMPARE(VirtualKeyOf(Qt::Key_Space), std::uint16_t{32});
    QCOMPARE(VirtualKeyOf(Qt::Key_B), std::uint16_t{66});
    QCOMPARE(VirtualKeyOf(Qt::Key_7), std::uint16_t{55});
    QCOMPARE(VirtualKeyOf(Qt::Key_F5), std::uint16_t{0});
    QCOMPARE(VirtualKeyOf(Qt::Key_Shift), std::uint16_t{0});
  }

 private:
  QtHost& host() { return program->host; }
  TFBoard& board() { return program->FBoard; }
  QImage tile(int code) { return program->FCore.ImageList1[static_cast<std::size_t>(code)]; }
  QImage Cell(int col, int row) {
    return board().DrawGrid1.Backbuffer().copy(col * 16, row * 16, 16, 16);
  }

  std::unique_ptr<Program> program;
};

QTEST_MAIN(QtHostTest)
#include "qt_host_test.moc"
