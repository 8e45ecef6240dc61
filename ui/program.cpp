// Start-up of the helper library and the hand-over between the windows.
#include "ui/program.h"

#include <QTimer>
#include <utility>

#include "lib/calendar.h"
#include "session/watching/watching.h"
#include "ui/cursor_dialogs.h"

namespace stonewick {

HelperStartUp::HelperStartUp() {
  TheCalendar().StartUp();
  StartDialogs();
}

Program::Program() {
  frontEnd.SetSession(&session);
  mainWindow.SetCompanionWindows(tileSet, aboutWindow, instructionsWindow);
}

Program::~Program() {
  frontEnd.SetSession(nullptr);
}

bool Program::StartRecording(const std::string& path) {
  recordingFile = RecordingFile::Open(path);
  if (recordingFile == nullptr || !session.Record(*recordingFile, LocalDateText())) {
    recordingFile.reset();
    return false;
  }
  return true;
}

void Program::StartWatching(Timeline recording, const std::string& name,
                            const std::string& continueInto) {
  WatchOptions options;
  options.name = name;
  if (!continueInto.empty()) {
    recordingFile = RecordingFile::OpenWhenWritten(continueInto);
    options.continueInto = recordingFile.get();
    options.date = LocalDateText();
  }
  Watch(session, std::move(recording), options);
  QTimer::singleShot(0, &mainWindow, [this] { session.RunWatching(); });
}

}  // namespace stonewick
