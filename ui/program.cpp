// Start-up of the helper library and the hand-over between the windows.
#include "ui/program.h"

#include "lib/calendar.h"
#include "lib/dialogs.h"

HelperStartUp::HelperStartUp() {
  stonewick::TheCalendar().StartUp();
  stonewick::StartDialogs();
}

Program::Program() {
  FBoard.SetCompanionWindows(FCore, FAbout1, FInstrs);
}
