// Times the game shows, read where the system locale has a 12-hour clock and a time zone in
// its long time format (en_US): the play clock read-out and the About window's file stamp.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "game/game_steps.h"
#include "lib/calendar.h"
#include "lib/play_clock.h"
#include "tests/support/position_builder.h"
#include "ui/about_window.h"
#include "ui/program.h"

using namespace stonewick;

class LocaleTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QLocale::system().name(), QString("en_US"));
    TheCalendar().StartUp();
  }

  void playClockShowsElapsedTimeAsTwentyFourHourSpan() {
    Program program;
    // Two and a half seconds of play, then the slow tick's clock update.
    testing::Put(program.session, testing::PositionBuilder(program.session)
                                      .StartTime(program.frontEnd.LocalDays() -
                                                 2'500.0 / static_cast<double>(kMsPerDay))
                                      .SlowTickDue(true));
    testing::GameOf(program.session).Steps().MainTick();
    QCOMPARE(program.mainWindow.ReadoutLabel(Readout::Clock).text(), QString("00:00:02"));
  }

  void aboutStampShowsLongTimeWithoutItsZone() {
    AboutWindow about;
    about.ShowProgramFile("/usr/games/stonewick", QDateTime(QDate(2014, 9, 20), QTime(13, 5, 8)));
    QCOMPARE(about.StampLabel().text(), QString("2014-09-20 1:05:08 PM"));
  }
};

int main(int argc, char* argv[]) {
  // Qt reads the system locale from the environment once, when it is first asked for it.
  qputenv("LC_ALL", "en_US.UTF-8");
  QApplication app(argc, argv);
  LocaleTextsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "locale_texts_test.moc"
