// Start-up of the helper library and the hand-over between the windows.
#include "ui/program.h"

#include <utility>

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

void Program::StartPlayback(Timeline recording, const QString& name) {
  playback = std::make_unique<Playback>(std::move(recording), name, game, mainWindow);
  host.SetPlayback(playback.get());
  mainWindow.SetPlayback(playback.get());
}

}  // namespace stonewick
