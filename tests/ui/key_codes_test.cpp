// Keys as the board hands them to the rules: the standard virtual key codes of the control,
// lock, editing and function keys and of the keypad's digits and operators, read from a real
// key press, and the letter keys by their place where the layout writes another alphabet.
#include "ui/key_codes.h"

#include <QSignalSpy>
#include <QTest>

#include "game/board.h"
#include "ui/board_view.h"

using namespace stonewick;

class KeyCodesTest : public QObject {
  Q_OBJECT

 private slots:
  void keysGetTheirStandardVirtualKeyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code");
    QTest::newRow("Shift") << int{Qt::Key_Shift} << false << 16;
    QTest::newRow("Control") << int{Qt::Key_Control} << false << 17;
    QTest::newRow("Alt") << int{Qt::Key_Alt} << false << 18;
    QTest::newRow("Page Up") << int{Qt::Key_PageUp} << false << 33;
    QTest::newRow("Page Down") << int{Qt::Key_PageDown} << false << 34;
    QTest::newRow("End") << int{Qt::Key_End} << false << 35;
    QTest::newRow("Home") << int{Qt::Key_Home} << false << 36;
    QTest::newRow("Insert") << int{Qt::Key_Insert} << false << 45;
    QTest::newRow("Delete") << int{Qt::Key_Delete} << false << 46;
    QTest::newRow("F1") << int{Qt::Key_F1} << false << 112;
    QTest::newRow("F12") << int{Qt::Key_F12} << false << 123;
    QTest::newRow("0 above the letters") << int{Qt::Key_0} << false << 48;
    QTest::newRow("keypad 0") << int{Qt::Key_0} << true << 96;
    QTest::newRow("keypad 9") << int{Qt::Key_9} << true << 105;
    // Without Num Lock the keypad sends arrows and editing keys, which keep their codes.
    QTest::newRow("keypad arrow") << int{Qt::Key_Left} << true << 37;
    QTest::newRow("keypad Home") << int{Qt::Key_Home} << true << 36;
    QTest::newRow("keypad Enter") << int{Qt::Key_Enter} << true << 13;
    QTest::newRow("keypad 5 without Num Lock") << int{Qt::Key_Clear} << true << 12;
    QTest::newRow("Pause") << int{Qt::Key_Pause} << false << 19;
    QTest::newRow("Caps Lock") << int{Qt::Key_CapsLock} << false << 20;
    QTest::newRow("Num Lock") << int{Qt::Key_NumLock} << false << 144;
    QTest::newRow("Scroll Lock") << int{Qt::Key_ScrollLock} << false << 145;
    QTest::newRow("keypad *") << int{Qt::Key_Asterisk} << true << 106;
    QTest::newRow("keypad +") << int{Qt::Key_Plus} << true << 107;
    QTest::newRow("keypad -") << int{Qt::Key_Minus} << true << 109;
    QTest::newRow("keypad /") << int{Qt::Key_Slash} << true << 111;
    // The same character elsewhere has a layout-dependent key, which is not given; but +
    // and -, which steer a playback's speed, have keys of their own in every layout.
    QTest::newRow("* elsewhere on the keyboard") << int{Qt::Key_Asterisk} << false << 0;
    QTest::newRow("+ beside the digits") << int{Qt::Key_Plus} << false << 187;
    QTest::newRow("= on the same key") << int{Qt::Key_Equal} << false << 187;
    QTest::newRow("- beside the digits") << int{Qt::Key_Minus} << false << 189;
  }
  void keysGetTheirStandardVirtualKeyCodes() {
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(int, code);
    QCOMPARE(VirtualKeyOf(key, keypad ? Qt::KeypadModifier : Qt::NoModifier), code);
  }

  // The board passes the key's modifiers on, so the keypad's digits keep their own codes.
  void boardTellsKeypadDigitsFromTheRowAboveTheLetters() {
    const Board board{};
    BoardView view(board, nullptr);
    QSignalSpy keys(&view, &BoardView::KeyDown);
    QTest::keyClick(&view, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(&view, Qt::Key_5);
    QTest::keyClick(&view, Qt::Key_Alt);
    QCOMPARE(keys.count(), 3);
    QCOMPARE(keys.at(0).at(0).value<std::uint16_t>(), std::uint16_t{101});
    QCOMPARE(keys.at(1).at(0).value<std::uint16_t>(), std::uint16_t{53});
    QCOMPARE(keys.at(2).at(0).value<std::uint16_t>(), std::uint16_t{18});
  }

  // On a Russian layout the keys of B, T and D write и, е and в; the rules and the playback
  // must see 66, 84 and 68, as on a US layout. A key whose layout gives a Latin character
  // keeps that character's code, and one that gives no letter stays 0.
  void lettersOfAnotherAlphabetCountAsTheUsLetterOfTheirKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<quint32>("keyCode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("и on B") << 0x418 << quint32{56} << QString("и") << 66;
    QTest::newRow("е on T") << 0x415 << quint32{28} << QString("е") << 84;
    QTest::newRow("в on D") << 0x412 << quint32{40} << QString("в") << 68;
    QTest::newRow("й on Q, the first letter key") << 0x419 << quint32{24} << QString("й") << 81;
    QTest::newRow("я on Z") << 0x42F << quint32{52} << QString("я") << 90;
    QTest::newRow("ь on M, the last letter key") << 0x42C << quint32{58} << QString("ь") << 77;
    QTest::newRow("б beside M is no letter key") << 0x411 << quint32{59} << QString("б") << 0;
    QTest::newRow("х left of Enter is no letter key") << 0x425 << quint32{34} << QString("х") << 0;
    QTest::newRow("French A on the Q key") << int{Qt::Key_A} << quint32{24} << QString("a") << 65;
    QTest::newRow("French comma on the M key")
        << int{Qt::Key_Comma} << quint32{58} << QString(",") << 0;
  }
  void lettersOfAnotherAlphabetCountAsTheUsLetterOfTheirKey() {
    QFETCH(int, key);
    QFETCH(quint32, keyCode);
    QFETCH(QString, text);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, keyCode, 0, 0, text);
    QCOMPARE(VirtualKeyOf(event), code);
  }

  // The board reads the key's place from the press itself.
  void boardSmashesWithTheBKeyOnARussianLayout() {
    const Board board{};
    BoardView view(board, nullptr);
    QSignalSpy keys(&view, &BoardView::KeyDown);
    QKeyEvent press(QEvent::KeyPress, 0x418, Qt::NoModifier, 56, 0x6c8, 0, "и");
    QCoreApplication::sendEvent(&view, &press);
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.at(0).at(0).value<std::uint16_t>(), std::uint16_t{66});
  }
};

QTEST_MAIN(KeyCodesTest)
#include "key_codes_test.moc"
