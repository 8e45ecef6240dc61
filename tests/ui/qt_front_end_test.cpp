// The window's side of the session: the timers' wake-ups, the clock and its text, drawing
// cells, labels, menu state, processing pending events and the key codes.
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "game/game_steps.h"
#include "session/core/watch_status.h"
#include "tests/support/position_builder.h"
#include "tests/support/session_access.h"
#include "ui/clock_text.h"
#include "ui/key_codes.h"
#include "ui/program.h"

using namespace stonewick;

class QtFrontEndTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program = std::make_unique<Program>();
    program->mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow));
  }
  void cleanup() { program.reset(); }

  void theTimersTickThroughTheSessionsWakeUpsAndStopWithPause() {
    board().Command(MenuCommand::Start).trigger();
    // Two main ticks and a slow one by 420 ms: the scanner has moved on four cells.
    QTRY_VERIFY_WITH_TIMEOUT(game().slowTicks >= 1 && game().scanCol >= 4, 2000);
    board().Command(MenuCommand::Pause).trigger();
    const std::uint32_t slowTicks = game().slowTicks;
    QTest::qWait(500);
    QCOMPARE(game().slowTicks, slowTicks);
  }

  void nowCountsDaysSinceTheEndOf1899() {
    QCOMPARE(DaysSinceEpoch(QDateTime(QDate(1899, 12, 30), QTime(6, 0))), 0.25);
    QCOMPARE(DaysSinceEpoch(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    const double now = DaysSinceEpoch(QDateTime::currentDateTime());
    QVERIFY(std::abs(host().LocalDays() - now) < 1.0 / 86400);
  }

  void longTimeFormatLosesOnlyItsTimeZone() {
    QCOMPARE(WithoutTimeZone("HH:mm:ss t"), QString("HH:mm:ss"));
    QCOMPARE(WithoutTimeZone("h:mm:ss AP t"), QString("h:mm:ss AP"));
    QCOMPARE(WithoutTimeZone("t HH 'at' mm"), QString("HH 'at' mm"));
    QCOMPARE(LongTimeFormatWithoutZone(QLocale::c()), QString("HH:mm:ss"));
  }

  void drawnCellShowsTheBoardsCodeAndUnknownCodesAndCellsAreIgnored() {
    testing::GameOf(program->session).Steps().SetCell(3, 4, stonewick::Border);
    QCOMPARE(Cell(3, 4), tile(stonewick::Border));
    for (const std::int32_t unknown : {39, -1}) {
      testing::Put(program->session,
                   testing::PositionBuilder(program->session).Cell(3, 4, unknown));
      host().DrawCell(3, 4, unknown);
      QCOMPARE(Cell(3, 4), tile(stonewick::Border));
    }
    host().DrawCell(22, 4, stonewick::Blank);
    host().DrawCell(-1, 0, stonewick::Blank);
    QCOMPARE(Cell(0, 0), tile(stonewick::Border));
  }

  void labelTakesTextAndSizeOfItsText() {
    host().ShowReadout(Readout::Kills, WrittenReadout(Readout::Kills, 12345));
    QCOMPARE(board().ReadoutLabel(Readout::Kills).text(), QString("Kills : 12345"));
    QCOMPARE(board().ReadoutLabel(Readout::Kills).size(),
             board().ReadoutLabel(Readout::Kills).sizeHint());
    QCOMPARE(board().ReadoutLabel(Readout::Powers).text(), QString("Powers : 1"));
  }

  void pauseCaptionAndSkipReachTheWindowButTheHiddenGlideBoxNotTheRules() {
    QCOMPARE(board().Command(MenuCommand::Pause).text(), QString("&Pause"));
    host().ShowPauseCommand(PauseOffer::Resume);
    QCOMPARE(board().Command(MenuCommand::Pause).text(), QString("&Resume"));
    host().EnableCommand(MenuCommand::Skip, false);
    QVERIFY(!board().Command(MenuCommand::Skip).isEnabled());
    QVERIFY(!game().glide);
    board().GlideBox().setChecked(true);
    QVERIFY(!game().glide);
  }

  void processMessagesDeliversPendingKeyPresses() {
    QCoreApplication::postEvent(&board().View(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
    QCOMPARE(game().state, stonewick::GameState::Ready);
    host().LetEventsIn();
    QCOMPARE(game().state, stonewick::GameState::Running);
    QCOMPARE(game().playerCol, 9);
  }

  void aRecordedBoxHoldsNothingBackSoExitStaysInReach() {
    host().OpenScriptedBox(GameBox::NoMoreLevels);
    QMessageBox* shown = VisibleBox();
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    host().CloseScriptedBox(true, ' ');
  }

  void theKeysBoxClosesWithEscapeAndReturn() {
    WatchStatus status;
    status.watching = true;
    host().ShowWatching(status);
    for (const Qt::Key closing : {Qt::Key_Escape, Qt::Key_Return}) {
      host().ShowWatchKeys();  // F1 asks through the session
      QMessageBox* keys = VisibleBox();
      QVERIFY(keys != nullptr);
      QTest::keyClick(keys, closing);
      QVERIFY(!keys->isVisible());
    }
    status.watching = false;
    host().ShowWatching(status);
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
  QtFrontEnd& host() { return program->frontEnd; }
  static QMessageBox* VisibleBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
        return box;
      }
    }
    return nullptr;
  }
  const PlayState& game() { return program->session.game(); }
  MainWindow& board() { return program->mainWindow; }
  QImage tile(int code) { return program->tileSet.imageList[static_cast<std::size_t>(code)]; }
  QImage Cell(int col, int row) {
    return board().View().Backbuffer().copy(col * 16, row * 16, 16, 16);
  }

  std::unique_ptr<Program> program;
};

QTEST_MAIN(QtFrontEndTest)
#include "qt_front_end_test.moc"
