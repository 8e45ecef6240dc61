// The read-outs at their largest in every language the window speaks: kills up to 9,999, at
// large and Powers up to 999, the clock at 23:59:59. No read-out's box overlaps another's or
// the board, and all of them lie inside the window; English keeps its designed places.
#include <QTest>
#include <array>
#include <tuple>
#include <vector>

#include "ui/program.h"
#include "ui/translations.h"
#include "window_languages.h"

using namespace stonewick;

class ReadoutsTest : public QObject {
  Q_OBJECT

 private slots:
  void fullReadoutsKeepApartInsideTheWindowInEveryLanguage() {
    const QStringList languages = WindowLanguages();
    QVERIFY(languages.size() >= 5);
    for (const QString& language : languages) {
      Translations translations({language});
      translations.Install();
      Program program;
      MainWindow& window = program.mainWindow;
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      // Each read-out at its largest, and the number it then shows.
      const std::array<std::tuple<Readout, std::int32_t, const char*>, 5> full = {{
          {Readout::Powers, 999, "999"},
          {Readout::Clock, 86'399, "23:59:59"},
          {Readout::Level, 5, "5"},
          {Readout::Kills, 9999, "9999"},
          {Readout::AtLarge, 999, "999"},
      }};
      std::vector<QRect> boxes{window.View().geometry()};
      for (const auto& [readout, value, number] : full) {
        program.frontEnd.ShowReadout(readout, WrittenReadout(readout, value));
        const QLabel& label = window.ReadoutLabel(readout);
        QVERIFY2(label.text().endsWith(number), qPrintable(language + ": " + label.text()));
        // The box holds the whole text.
        QVERIFY2(label.width() >= label.sizeHint().width(), qPrintable(language + label.text()));
        boxes.push_back(label.geometry());
      }
      const QRect client(QPoint(0, 0), window.Client().size());
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        QVERIFY2(client.contains(boxes[i]), qPrintable(language + ": box " + QString::number(i)));
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
          QVERIFY2(!boxes[i].intersects(boxes[j]),
                   qPrintable(QString("%1: boxes %2 and %3").arg(language).arg(i).arg(j)));
        }
      }
      if (language == u"en") {
        QCOMPARE(window.size(), QSize(395 - 8, 480 - 27));
        QCOMPARE(window.ReadoutLabel(Readout::Kills).pos(), QPoint(136, 408));
        QCOMPARE(window.ReadoutLabel(Readout::AtLarge).pos(), QPoint(214, 408));
      }
    }
  }
};

QTEST_MAIN(ReadoutsTest)
#include "readouts_test.moc"
