// The virtual key codes that the rules read, from Qt's key numbers.
#pragma once

#include <QKeyEvent>
#include <Qt>
#include <cstdint>

namespace stonewick {

// Arrows 37 to 40, space 32, letters and digits their upper-case ASCII code, the keypad's
// digits 96 to 105 and its * + - / 106, 107, 109 and 111 (told apart by Qt::KeypadModifier),
// the common control, lock, editing and function keys their standard codes (Clear 12,
// Shift 16, Control 17, Alt 18, Pause 19, Caps Lock 20, Page Up 33 to Home 36, Insert 45,
// Delete 46, F1 to F12 112 to 123, Num Lock 144, Scroll Lock 145), and 0 (no such key) for
// everything else.
std::uint16_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The same for a key press, where a layout that puts a letter of another alphabet on a
// letter key (Russian, Greek...) gives that key's US letter, told by its place on the
// keyboard: the X key code, which Qt gives as the native scan code under X11 and Wayland.
// So B smashes and a recording holds 66 whatever the layout.
std::uint16_t VirtualKeyOf(const QKeyEvent& event);

}  // namespace stonewick
