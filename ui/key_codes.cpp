// Qt key numbers to the virtual key codes of the board's key handler.
#include "ui/key_codes.h"

#include <QChar>
#include <array>
#include <string_view>
#include <utility>

#include "game/game.h"

namespace stonewick {

namespace {

using KeyCode = std::pair<int, std::uint16_t>;

// The keys without a character of their own, and their standard virtual key codes. Clear is
// also what the keypad's 5 sends with Num Lock off.
constexpr std::array<KeyCode, 24> kNamedKeys = {{
    {Qt::Key_Backspace, 8},     {Qt::Key_Tab, 9},         {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},        {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},     {Qt::Key_Escape, 27},     {Qt::Key_Space, kKeySpace},
    {Qt::Key_PageUp, 33},       {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},
    {Qt::Key_Home, 36},         {Qt::Key_Left, kKeyLeft}, {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight}, {Qt::Key_Down, kKeyDown}, {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},       {Qt::Key_NumLock, 144},   {Qt::Key_ScrollLock, 145},
}};
// The keypad's operators. Qt numbers them like the same characters elsewhere on the
// keyboard, which sit on keys that differ from layout to layout and stay 0.
constexpr std::array<KeyCode, 4> kKeypadOperators = {{
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},
    {Qt::Key_Slash, 111},
}};
constexpr std::uint16_t kKeyPad0 = 96;
constexpr std::uint16_t kKeyF1 = 112;
// The keys that carry + and - beside the digits, whatever the layout: the playback's speed.
constexpr std::uint16_t kKeyPlus = 187;
constexpr std::uint16_t kKeyMinus = 189;

// The letter keys of a PC keyboard, row by row from the top as a US layout labels them, each
// row from the X key code (the kernel's key number plus 8) of its first key.
struct LetterRow {
  quint32 firstKeyCode;
  std::string_view letters;
};
constexpr std::array<LetterRow, 3> kLetterRows = {{
    {24, "QWERTYUIOP"},
    {38, "ASDFGHJKL"},
    {52, "ZXCVBNM"},
}};

// The US letter of the key with X key code keyCode, or 0 when it is no letter key.
std::uint16_t UsLetterAt(quint32 keyCode) {
  for (const LetterRow& row : kLetterRows) {
    if (keyCode >= row.firstKeyCode && keyCode - row.firstKeyCode < row.letters.size()) {
      return static_cast<std::uint16_t>(row.letters[keyCode - row.firstKeyCode]);
    }
  }
  return 0;
}

// Qt numbers a letter outside Latin-1 by its upper-case code point.
bool IsLetterOfAnotherAlphabet(int qtKey) {
  return qtKey > 0xff && qtKey <= 0xffff && QChar(static_cast<char16_t>(qtKey)).isLetter();
}

// The code of qtKey in table, or 0 when the table has no such key.
template <std::size_t N>
std::uint16_t CodeIn(const std::array<KeyCode, N>& table, int qtKey) {
  for (const auto& [key, code] : table) {
    if (key == qtKey) {
      return code;
    }
  }
  return 0;
}

}  // namespace

std::uint16_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (const std::uint16_t code = CodeIn(kNamedKeys, qtKey); code != 0) {
    return code;
  }
  if (keypad) {
    if (const std::uint16_t code = CodeIn(kKeypadOperators, qtKey); code != 0) {
      return code;
    }
  }
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    // Qt numbers the digits of the keypad and of the row above the letters alike; only the
    // latter have their ASCII codes as virtual keys.
    const int digit = qtKey - Qt::Key_0;
    return static_cast<std::uint16_t>(keypad ? kKeyPad0 + digit : qtKey);
  }
  // Qt numbers letters by their upper-case ASCII codes, as virtual keys do.
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
    return static_cast<std::uint16_t>(qtKey);
  }
  if (qtKey == Qt::Key_Plus || qtKey == Qt::Key_Equal) {
    return kKeyPlus;
  }
  if (qtKey == Qt::Key_Minus || qtKey == Qt::Key_Underscore) {
    return kKeyMinus;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
    return static_cast<std::uint16_t>(kKeyF1 + (qtKey - Qt::Key_F1));
  }
  return 0;
}

std::uint16_t VirtualKeyOf(const QKeyEvent& event) {
  const std::uint16_t code = VirtualKeyOf(event.key(), event.modifiers());
  if (code == 0 && IsLetterOfAnotherAlphabet(event.key())) {
    return UsLetterAt(event.nativeScanCode());
  }
  return code;
}

}  // namespace stonewick
