// The About window: program path in small letters, the file date in yyyy-mm-dd form with
// the time unless midnight, the widening rule for long paths, and Enter/Esc closing it.
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "lib/calendar.h"
#include "ui/about_window.h"
#include "ui/clock_text.h"

using namespace stonewick;

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { stonewick::TheCalendar().StartUp(); }

  void pathTurnsOnlyCapitalsAToZIntoSmallLetters() {
    QCOMPARE(LowerCaseAsciiLetters("/Home/Player/Games/StoneWick-2.07_X"),
             QString("/home/player/games/stonewick-2.07_x"));
    QCOMPARE(LowerCaseAsciiLetters(QString::fromUtf8("/Spiele/ÄÖÜ/É")),
             QString::fromUtf8("/spiele/ÄÖÜ/É"));
  }

  void stampShowsDashedDateThenTimeInLongFormat() {
    const QDateTime stamp(QDate(2014, 9, 20), QTime(13, 5, 8));
    QCOMPARE(FileStampText(stamp, "HH:mm:ss"), QString("2014-09-20 13:05:08"));
  }

  void stampTellsTimeInTwoSecondStepsRoundedDown() {
    QCOMPARE(FileStampText(QDateTime(QDate(2014, 9, 20), QTime(13, 5, 9, 999)), "HH:mm:ss"),
             QString("2014-09-20 13:05:08"));
    QCOMPARE(FileStampText(QDateTime(QDate(2014, 9, 20), QTime(23, 59, 59)), "HH:mm:ss"),
             QString("2014-09-20 23:59:58"));
    // One second past midnight is midnight: the date alone.
    QCOMPARE(FileStampText(QDateTime(QDate(2014, 9, 20), QTime(0, 0, 1, 500)), "HH:mm:ss"),
             QString("2014-09-20"));
  }

  void stampAtExactlyMidnightShowsTheDateAlone() {
    QCOMPARE(FileStampText(QDateTime(QDate(2014, 9, 20), QTime(0, 0)), "HH:mm:ss"),
             QString("2014-09-20"));
    // File times carry fractions of a second; the stamp is read in whole seconds.
    QCOMPARE(FileStampText(QDateTime(QDate(2014, 9, 20), QTime(0, 0, 0, 600)), "HH:mm:ss"),
             QString("2014-09-20"));
    QCOMPARE(FileStampText(QDateTime(QDate(2014, 9, 20), QTime(0, 0, 2)), "HH:mm:ss"),
             QString("2014-09-20 00:00:02"));
  }

  void createdWindowShowsTheRunningProgramsFile() {
    AboutWindow about;
    const QString path = QCoreApplication::applicationFilePath();
    QCOMPARE(about.PathLabel().text(), LowerCaseAsciiLetters(path));
    QCOMPARE(about.StampLabel().text(),
             FileStampText(QFileInfo(path).lastModified(),
                           LongTimeFormatWithoutZone(QLocale::system())));
    QVERIFY(about.StampLabel().text().startsWith(
        QFileInfo(path).lastModified().date().toString("yyyy-MM-dd")));
  }

  void widthRuleGrowsOnlyForALabelEndingPastTheClientArea() {
    QCOMPARE(AboutClientWidth(12, 200, 302), 302);
    QCOMPARE(AboutClientWidth(12, 290, 302), 302);
    QCOMPARE(AboutClientWidth(12, 291, 302), 315);
    QCOMPARE(AboutClientWidth(12, 500, 302), 524);
  }

  void shortPathKeepsTheWindowWidth() {
    AboutWindow about;
    about.ShowProgramFile("/usr/games/stonewick", QDateTime(QDate(2014, 9, 20), QTime(0, 0)));
    QCOMPARE(about.width(), AboutWindow::kClientWidth);
  }

  void longPathWidensTheWindowToEqualMarginsBesideThePath() {
    AboutWindow about;
    const QString path = "/home/player/" + QString(60, 'W') + "/stonewick";
    about.ShowProgramFile(path, QDateTime(QDate(2014, 9, 20), QTime(0, 0)));
    QVERIFY(about.PathLabel().width() > AboutWindow::kClientWidth);
    QCOMPARE(about.PathLabel().x(), 12);
    QCOMPARE(about.width(), 12 + about.PathLabel().width() + 12);
    about.show();
    QCOMPARE(about.CreditsText().width(), about.width());
  }

  void enterAndEscPressOkAndHideTheWindow_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
  }

  void enterAndEscPressOkAndHideTheWindow() {
    QFETCH(int, key);
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key(key));
    QVERIFY(!about.isVisible());
    about.show();  // hidden, not destroyed: it opens again
    QVERIFY(about.isVisible());
    QVERIFY(about.OkButton().isDefault());
  }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
