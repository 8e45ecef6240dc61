// Start-up of the helper library and the hand-over between the windows.
#include "ui/program.h"

#include "lib/calendar.h"
#include "ui/cursor_dialogs.h"

namespace stonewick {

HelperStartUp::HelperStartUp() {
  TheCalendar().StartUp();
  StartDialogs();
}

Program::Program() {
  mainWindow.SetCompanionWindows(tileSet, aboutWindow, instructionsWindow);
}

}  // namespace stonewick
