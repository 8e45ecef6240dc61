// Qt key numbers to the virtual key codes of the board's key handler.
#include "ui/key_codes.h"

#include <Qt>

#include "game/game.h"

namespace stonewick {

std::uint16_t VirtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return kKeyLeft;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return kKeyRight;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_Space:
      return kKeySpace;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  // Qt numbers letters and digits by their upper-case ASCII codes, as virtual keys do.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return static_cast<std::uint16_t>(qtKey);
  }
  return 0;
}

}  // namespace stonewick
