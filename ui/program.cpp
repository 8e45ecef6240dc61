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

bool Program::StartRecording(const std::string& path) {
  recorder = Recorder::Open(path, game.nesting);
  host.SetRecorder(recorder.get());
  mainWindow.SetRecorder(recorder.get());
  return recorder != nullptr;
}

}  // namespace stonewick
