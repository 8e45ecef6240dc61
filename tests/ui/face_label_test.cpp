// A label drawn in a face scaled from the window's font: for every read-out in every language
// the window speaks, it measures and draws pixel for pixel as a plain label of its own font.
#include "ui/face_label.h"

#include <QPixmap>
#include <QTest>
#include <array>

#include "ui/fonts.h"
#include "ui/translations.h"
#include "window_languages.h"

using namespace stonewick;

class FaceLabelTest : public QObject {
  Q_OBJECT

 private slots:
  void faceIsScaledOnlyFromAFontThatDiffersInSize() {
    const QFont window = WindowFont("MS Sans Serif", 11);
    const QRawFont regular = FaceFor(WindowFont("MS Sans Serif", 13), window);
    QCOMPARE(regular.pixelSize(), 13.0);
    QCOMPARE(regular.weight(), int{QFont::Normal});
    // Bold is another face, never the regular one scaled.
    const QRawFont bold = FaceFor(WindowFont("MS Sans Serif", 13, true), window);
    QCOMPARE(bold.pixelSize(), 13.0);
    QCOMPARE(bold.weight(), int{QFont::Bold});
  }

  void readoutsInAScaledFaceLookAsPlainLabelsInEveryLanguage() {
    const QFont window = WindowFont("MS Sans Serif", 11);
    for (const QString& language : WindowLanguages()) {
      Translations translations({language});
      translations.Install();
      for (const ReadoutValue& value : std::array<ReadoutValue, 6>{{
               {ReadoutCaption::Powers, 999},
               {ReadoutCaption::Level, 5},
               {ReadoutCaption::Kills, 9999},
               {ReadoutCaption::AtLarge, 12},
               {ReadoutCaption::PlayTime, 86'399},
               {ReadoutCaption::Clock, 0},
           }}) {
        for (const bool bold : {false, true}) {
          const QString text = ReadoutWords(value);
          const QFont font = WindowFont("Arial", 13, bold);
          QLabel plain(text);
          plain.setFont(font);
          plain.adjustSize();
          FaceLabel faced;
          faced.setFont(font);
          faced.SetFace(FaceFor(font, window));
          faced.setText(text);
          faced.adjustSize();
          const QString what = language + ": " + text + (bold ? " bold" : "");
          QVERIFY2(faced.size() == plain.size(), qPrintable(what));
          QVERIFY2(faced.TextWidth(text) == QFontMetrics(font).horizontalAdvance(text),
                   qPrintable(what));
          QVERIFY2(faced.grab().toImage() == plain.grab().toImage(), qPrintable(what));
        }
      }
    }
  }
};

QTEST_MAIN(FaceLabelTest)
#include "face_label_test.moc"
