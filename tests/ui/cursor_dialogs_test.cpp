// Message boxes at the cursor: the anchor memory, clamping to the screen (and keeping a large
// window's corner on it), the caption, plain button captions, the answer characters, showing
// a window at the cursor and the ampersand doubling.
#include "ui/cursor_dialogs.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QTest>

#include "modal_answer.h"
#include "session/core/english_words.h"

using namespace stonewick;

namespace {

QSize Screen() {
  return QGuiApplication::primaryScreen()->geometry().size();
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    stonewick::StartDialogs();
    QCursor::setPos(0, 0);
  }

  void doubleAmpersandsDoublesEveryAmpersand_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("found");
    QTest::newRow("none") << "no marks here"
                          << "no marks here" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("one") << "red & yellow"
                         << "red && yellow" << true;
    QTest::newRow("three between four letters") << "a&b&c&d"
                                                << "a&&b&&c&&d" << true;
    QTest::newRow("two in a row") << "x&&y"
                                  << "x&&&&y" << true;
    QTest::newRow("at both ends") << "&mid&"
                                  << "&&mid&&" << true;
  }
  void doubleAmpersandsDoublesEveryAmpersand() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QFETCH(bool, found);
    std::string text = message.toStdString();
    QCOMPARE(stonewick::DoubleAmpersands(text), found);
    QCOMPARE(QString::fromStdString(text), shown);
  }

  void applicationTitleIsFileNameCutAtFirstDotWithTailInLowerCase() {
    QCOMPARE(stonewick::ApplicationTitleFromPath("/usr/games/stonewick"), QString("Stonewick"));
    QCOMPARE(stonewick::ApplicationTitleFromPath("/opt/x.y/STONE.WICK.bin"), QString("Stone"));
    QCOMPARE(stonewick::ApplicationTitleFromPath("sTONEWICK-2.07"), QString("Stonewick-2"));
    QCOMPARE(stonewick::ApplicationTitleFromPath("/games/.hidden"), QString(""));
    QCOMPARE(stonewick::ApplicationTitle(), QString("Ui_cursor_dialogs_test"));
  }

  void dialogAnchorKeepsLastAnchorWhileCursorStandsWhereLastBoxClosed() {
    stonewick::lastDialogPos = QPoint(7, 8);
    stonewick::lastClosePos = QPoint(50, 60);
    QCursor::setPos(50, 60);
    QCOMPARE(stonewick::DialogAnchor(), QPoint(7, 8));
    QCOMPARE(stonewick::lastDialogPos, QPoint(7, 8));
    QCursor::setPos(51, 60);
    QCOMPARE(stonewick::DialogAnchor(), QPoint(51, 60));
    QCOMPARE(stonewick::lastDialogPos, QPoint(51, 60));
  }

  void clampToScreenPullsBackOnlyPastRightAndBottomEdges() {
    QWidget window;
    window.resize(200, 100);
    const QSize screen = Screen();
    stonewick::ClampToScreen(window, QPoint(screen.width() - 10, 20));
    QCOMPARE(window.pos(), QPoint(screen.width() - 200, 20));
    stonewick::ClampToScreen(window, QPoint(30, screen.height() - 10));
    QCOMPARE(window.pos(), QPoint(30, screen.height() - 100));
    stonewick::ClampToScreen(window, QPoint(screen.width() - 200, screen.height() - 100));
    QCOMPARE(window.pos(), QPoint(screen.width() - 200, screen.height() - 100));
    // No lower bound: a point left of and above the screen stays where it is.
    stonewick::ClampToScreen(window, QPoint(-50, -40));
    QCOMPARE(window.pos(), QPoint(-50, -40));
  }

  void windowLargerThanTheAreaKeepsItsTopLeftCornerOnIt() {
    const QPoint place(482, 249);
    const QSize outer(395, 480);
    // 640 by 400: too short and too narrow for the place; the bottom runs over.
    QCOMPARE(stonewick::KeptOnArea(place, outer, QRect(0, 0, 640, 400)), QPoint(245, 0));
    // A panel along the top and one along the left edge, on a screen too small either way.
    QCOMPARE(stonewick::KeptOnArea(place, outer, QRect(48, 24, 300, 400)), QPoint(48, 24));
    // Where it fits it is pulled back only as far as the edges it would pass.
    QCOMPARE(stonewick::KeptOnArea(place, outer, QRect(0, 24, 800, 576)), QPoint(405, 120));
  }

  void boxButtonsShowPlainCaptionsUnderAStyleThatGivesThemIcons() {
    // A style that puts stock icons on dialog buttons, as several desktops' styles do.
    class StockIcons : public QProxyStyle {
     public:
      int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                    QStyleHintReturn* data) const override {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons
                   ? 1
                   : QProxyStyle::styleHint(hint, option, widget, data);
      }
    };
    const QString oldStyle = QApplication::style()->name();
    QApplication::setStyle(new StockIcons);
    QStringList withIcons;
    int buttons = 0;
    const auto look = [&](QMessageBox& box) {
      for (const QAbstractButton* button : box.buttons()) {
        buttons += 1;
        if (!button->icon().isNull()) {
          withIcons << button->text();
        }
      }
      QTest::keyClick(&box, Qt::Key_Escape);
    };
    AnswerNextBox(look);
    stonewick::InfoDialog("plain OK");
    AnswerNextBox(look);
    stonewick::ConfirmDialog("plain Yes, No and Cancel?");
    QApplication::setStyle(oldStyle);
    QCOMPARE(buttons, 4);
    QCOMPARE(withIcons, QStringList());
  }

  void infoDialogOpensAtCursorWithTitleOkButtonAndTextAsWritten() {
    QCursor::setPos(100, 150);
    auto seen = AnswerNextBox([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    stonewick::InfoDialog("red & yellow <b>bold</b>");
    QVERIFY(seen->seen);
    QCOMPARE(seen->pos, QPoint(100, 150));
    QCOMPARE(seen->title, QString("Ui_cursor_dialogs_test"));
    QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen->text, QString("red & yellow <b>bold</b>"));
    QCOMPARE(stonewick::lastDialogPos, QPoint(100, 150));
    QCOMPARE(stonewick::lastClosePos, QPoint(100, 150));
  }

  void boxWidensToKeepAMessageThatFitsTheScreenOnOneLine() {
    const QString message = stonewick::kSecondChanceMessage;
    QRect shown;
    int lineHeight = 0;
    AnswerNextBox([&](QMessageBox& box) {
      const auto* label = box.findChild<QLabel*>("qt_msgbox_label");
      const QFontMetrics metrics(label->font());
      shown = metrics.boundingRect(QRect(QPoint(0, 0), label->contentsRect().size()),
                                   Qt::TextWordWrap, message);
      lineHeight = metrics.height();
      box.button(QMessageBox::Ok)->click();
    });
    stonewick::InfoDialog(message.toStdString());
    QVERIFY(shown.width() < Screen().width());
    QCOMPARE(shown.height(), lineHeight);
  }

  void infoDialogAnswersEscapeWithItsOkButton() {
    auto seen = AnswerNextBox([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    stonewick::InfoDialog("gone with Esc");
    QVERIFY(seen->seen);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void nextBoxOpensAtLastAnchorUntilCursorMoves() {
    QCursor::setPos(100, 150);
    // The mouse moves while the first box is open, and the box is closed with Enter.
    AnswerNextBox([](QMessageBox& box) {
      QCursor::setPos(300, 320);
      QTest::keyClick(&box, Qt::Key_Return);
    });
    stonewick::InfoDialog("first");
    QCOMPARE(stonewick::lastClosePos, QPoint(300, 320));
    auto second = AnswerNextBox(ClickButton(QMessageBox::Ok));
    stonewick::InfoDialog("second");
    QCOMPARE(second->pos, QPoint(100, 150));
    QCursor::setPos(301, 320);
    auto third = AnswerNextBox(ClickButton(QMessageBox::Ok));
    stonewick::InfoDialog("third");
    QCOMPARE(third->pos, QPoint(301, 320));
  }

  void boxNearScreenCornerEndsOnScreenEdges() {
    const QSize screen = Screen();
    QCursor::setPos(screen.width() - 10, screen.height() - 10);
    QSize boxSize;
    auto seen = AnswerNextBox([&boxSize](QMessageBox& box) {
      boxSize = box.size();
      box.button(QMessageBox::Ok)->click();
    });
    stonewick::InfoDialog("at the corner");
    QCOMPARE(seen->pos,
             QPoint(screen.width() - boxSize.width(), screen.height() - boxSize.height()));
  }

  void confirmDialogReturnsAnswerCharacter_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<char>("answer");
    QTest::newRow("Yes") << 0 << 'Y';
    QTest::newRow("No") << 1 << 'N';
    QTest::newRow("Cancel") << 2 << 'C';
    QTest::newRow("Esc") << 3 << 'C';
    QTest::newRow("close box") << 4 << 'C';
    QTest::newRow("Enter takes Yes") << 5 << 'Y';
  }
  void confirmDialogReturnsAnswerCharacter() {
    QFETCH(int, how);
    QFETCH(char, answer);
    auto seen = AnswerNextBox([how](QMessageBox& box) {
      switch (how) {
        case 0:
          box.button(QMessageBox::Yes)->click();
          break;
        case 1:
          box.button(QMessageBox::No)->click();
          break;
        case 2:
          box.button(QMessageBox::Cancel)->click();
          break;
        case 3:
          QTest::keyClick(&box, Qt::Key_Escape);
          break;
        case 4:
          box.close();
          break;
        default:
          QTest::keyClick(&box, Qt::Key_Return);
          break;
      }
    });
    QCOMPARE(stonewick::ConfirmDialog("play again?"), answer);
    QVERIFY(seen->seen);
  }

  void confirmDialogOffersYesNoCancelWithYesAsDefault() {
    QCursor::setPos(40, 70);
    auto seen = AnswerNextBox(ClickButton(QMessageBox::No));
    stonewick::ConfirmDialog("Aaagh & more");
    QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(seen->defaultButton, QMessageBox::Yes);
    QCOMPARE(seen->pos, QPoint(40, 70));
    QCOMPARE(seen->text, QString("Aaagh & more"));
  }

  void ownDialogCaptionReplacesTitleAfterOneBlank() {
    stonewick::dialogCaption = "Custom";
    auto seen = AnswerNextBox(ClickButton(QMessageBox::Ok));
    stonewick::InfoDialog("captioned");
    QCOMPARE(seen->title, QString(" Custom"));
  }

  void showAtCursorPlacesWindowOnePixelBelowRightOfCursor() {
    stonewick::lastDialogPos = QPoint(3, 4);
    stonewick::lastClosePos = QPoint(5, 6);
    QWidget window;
    window.resize(150, 80);
    QCursor::setPos(100, 200);
    stonewick::ShowAtCursor(window);
    QVERIFY(window.isVisible());
    QCOMPARE(window.pos(), QPoint(101, 201));
    // An open window is moved again; the modal boxes' anchor memory is left alone.
    const QSize screen = Screen();
    QCursor::setPos(screen.width() - 5, screen.height() - 5);
    stonewick::ShowAtCursor(window);
    QCOMPARE(window.pos(), QPoint(screen.width() - 150, screen.height() - 80));
    QCOMPARE(stonewick::lastDialogPos, QPoint(3, 4));
    QCOMPARE(stonewick::lastClosePos, QPoint(5, 6));
  }
};

QTEST_MAIN(DialogsTest)
#include "cursor_dialogs_test.moc"
