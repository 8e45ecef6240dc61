// Everything the running game is made of, built in start-up order: the modules' own start-up
// (calendar and dialog state, the list module, the rules), then the five windows.
#pragma once

#include <memory>
#include <string>

#include "game/game.h"
#include "lists/spare_lists.h"
#include "tools/timeline.h"
#include "ui/about_window.h"
#include "ui/input_dialog.h"
#include "ui/instructions_window.h"
#include "ui/main_window.h"
#include "ui/playback.h"
#include "ui/qt_host.h"
#include "ui/recorder.h"
#include "ui/tile_set.h"

namespace stonewick {

// Runs the helper library's start-up: date display and the dialogs' anchor memory.
struct HelperStartUp {
  HelperStartUp();
};

struct Program {
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Records the game from now on into the file at `path`: call it just before the main window
  // is first shown, which is where a replay starts. False when the file cannot be written
  // (said on standard error); the game then plays on without recording.
  bool StartRecording(const std::string& path);

  // Plays `recording` in the main window instead of letting the player play: call it before the
  // main window is first shown, then Playback::Run once it shows. `name` is what the title
  // calls the recording.
  void StartPlayback(Timeline recording, const QString& name);

  // Empty unless recording; first, so that it outlives everything that writes to it.
  std::unique_ptr<Recorder> recorder;
  // Empty unless a recording plays back.
  std::unique_ptr<Playback> playback;
  HelperStartUp helpers;
  SpareLists spareLists;
  QtHost host;
  Game game{host};
  // The first window created is the main window; creating it gives the first Power.
  MainWindow mainWindow{game, host};
  TileSet tileSet;
  InputDialog inputDialog;
  AboutWindow aboutWindow;
  InstructionsWindow instructionsWindow;
};

}  // namespace stonewick
