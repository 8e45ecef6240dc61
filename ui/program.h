// Everything the running game is made of, built in start-up order: the helper library's own
// start-up (calendar and dialog state), the session (the list module, then the rules), then
// the five windows.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "session/core/recording_file.h"
#include "session/core/session.h"
#include "session/watching/timeline.h"
#include "ui/about_window.h"
#include "ui/input_dialog.h"
#include "ui/instructions_window.h"
#include "ui/main_window.h"
#include "ui/qt_front_end.h"
#include "ui/tile_set.h"

namespace stonewick {

// Runs the helper library's start-up: date display and the dialogs' anchor memory.
struct HelperStartUp {
  HelperStartUp();
};

struct Program {
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Records the game from now on into the file at `path`: call it just before the main window
  // is first shown, which is where a replay starts. False when the file cannot be written
  // (said on standard error); the game then plays on without recording.
  bool StartRecording(const std::string& path);

  // Plays `recording` in the main window instead of letting the player play, from when the
  // event loop runs: call it before the main window is first shown. `name` is what the window
  // calls the recording; `continueInto`, when not empty, is the file the game goes on being
  // recorded into once the player takes the controls.
  void StartWatching(Timeline recording, const std::string& name,
                     const std::string& continueInto = {});

  // First, so that it outlives everything that writes to it; empty unless recording.
  std::unique_ptr<RecordingFile> recordingFile;
  HelperStartUp helpers;
  QtFrontEnd frontEnd;
  Session session{frontEnd};
  // The first window created is the main window.
  MainWindow mainWindow{session, frontEnd};
  TileSet tileSet;
  InputDialog inputDialog;
  AboutWindow aboutWindow;
  InstructionsWindow instructionsWindow;
};

}  // namespace stonewick
