// Keys as the board hands them to the rules: the standard virtual key codes of the control,
// lock, editing and function keys and of the keypad's digits and operators, read from a real
// key press.
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
};

QTEST_MAIN(KeyCodesTest)
#include "key_codes_test.moc"
