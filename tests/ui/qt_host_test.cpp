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

using namespace stonewick;

class QtHostTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program = std::make_unique<Program>();
    program->mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow));
  }
  void cleanup() { program.reset(); }

  void timersSwitchOnAndOffTogether() {
    host().SetTimersRunning(true);
    QVERIFY(board().Timer(GameTimer::Main).isActive() &&
            board().Timer(GameTimer::Slow).isActive() &&
            board().Timer(GameTimer::BadStep).isActive());
    host().SetTimersRunning(false);
    QVERIFY(!board().Timer(GameTimer::Main).isActive() &&
            !board().Timer(GameTimer::Slow).isActive() &&
            !board().Timer(GameTimer::BadStep).isActive());
  }

  void switchingOnRunningTimersKeepsTheirNextTick() {
    host().SetTimersRunning(true);
    QTest::qWait(80);
    const int before = board().Timer(GameTimer::Slow).remainingTime();
    host().SetTimersRunning(true);
    QVERIFY2(board().Timer(GameTimer::Slow).remainingTime() <= before,
             qPrintable(QString("restarted: %1 ms left, was %2")
                            .arg(board().Timer(GameTimer::Slow).remainingTime())
                            .arg(before)));
  }

  void newBadStepIntervalRestartsTimerAndSameOneLeavesIt() {
    host().SetTimersRunning(true);
    host().SetBadStepInterval(300);
    QCOMPARE(board().Timer(GameTimer::BadStep).interval(), 300);
    QTest::qWait(80);
    const int running = board().Timer(GameTimer::BadStep).remainingTime();
    host().SetBadStepInterval(300);
    QVERIFY(board().Timer(GameTimer::BadStep).remainingTime() <= running);
    host().SetBadStepInterval(290);
    QCOMPARE(board().Timer(GameTimer::BadStep).interval(), 290);
    QVERIFY(board().Timer(GameTimer::BadStep).isActive());
    QVERIFY(board().Timer(GameTimer::BadStep).remainingTime() > running);
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

  void drawnCellShowsTheBoardsCodeAndUnknownCodesAndCellsAreIgnored() {
    program->game.SetCell(3, 4, stonewick::Border);
    QCOMPARE(Cell(3, 4), tile(stonewick::Border));
    for (const std::int32_t unknown : {39, -1}) {
      program->game.board.tiles[3][4] = unknown;
      host().DrawCell(3, 4, unknown);
      QCOMPARE(Cell(3, 4), tile(stonewick::Border));
    }
    host().DrawCell(22, 4, stonewick::Blank);
    host().DrawCell(-1, 0, stonewick::Blank);
    QCOMPARE(Cell(0, 0), tile(stonewick::Border));
  }

  void labelTakesTextAndSizeOfItsText() {
    host().ShowReadout(Readout::Kills, "Kills : 12345");
    QCOMPARE(board().ReadoutLabel(Readout::Kills).text(), QString("Kills : 12345"));
    QCOMPARE(board().ReadoutLabel(Readout::Kills).size(),
             board().ReadoutLabel(Readout::Kills).sizeHint());
    QCOMPARE(board().ReadoutLabel(Readout::Powers).text(), QString("Powers : 1"));
  }

  void pauseCaptionAndSkipReachTheWindowButTheHiddenGlideBoxNotTheRules() {
    QCOMPARE(board().Command(MenuCommand::Pause).text(), QString("&Pause"));
    host().ShowPauseCommand("&Resume");
    QCOMPARE(board().Command(MenuCommand::Pause).text(), QString("&Resume"));
    host().EnableSkipCommand(false);
    QVERIFY(!board().Command(MenuCommand::Skip).isEnabled());
    QVERIFY(!program->game.glide);
    board().GlideBox().setChecked(true);
    QVERIFY(!program->game.glide);
  }

  void processMessagesDeliversPendingKeyPresses() {
    QCoreApplication::postEvent(&board().View(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
    QCOMPARE(program->game.state, stonewick::GameState::Ready);
    host().RunPendingEvents();
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
    QCOMPARE(VirtualKeyOf(Qt::Key_F13), std::uint16_t{0});
    QCOMPARE(VirtualKeyOf(Qt::Key_Asterisk), std::uint16_t{0});
  }

 private:
  QtHost& host() { return program->host; }
  MainWindow& board() { return program->mainWindow; }
  QImage tile(int code) { return program->tileSet.imageList[static_cast<std::size_t>(code)]; }
  QImage Cell(int col, int row) {
    return board().View().Backbuffer().copy(col * 16, row * 16, 16, 16);
  }

  std::unique_ptr<Program> program;
};

QTEST_MAIN(QtHostTest)
#include "qt_host_test.moc"
