// Everything the running game is made of, built in start-up order: the modules' own start-up
// (calendar and dialog state, the list module, the rules), then the five windows.
#pragma once

#include "game/game.h"
#include "lists/stacks_module.h"
#include "ui/about1.h"
#include "ui/board.h"
#include "ui/core.h"
#include "ui/inpstr.h"
#include "ui/instrs.h"
#include "ui/qt_host.h"

// Runs the helper library's start-up: date display and the dialogs' anchor memory.
struct HelperStartUp {
  HelperStartUp();
};

struct Program {
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HelperStartUp helpers;
  stonewick::StacksModule stacks;
  QtHost host;
  stonewick::Game game{host};
  // FBoard is the first window created, so it is the main window; FormCreate runs here.
  TFBoard FBoard{game, host};
  TFCore FCore;
  TFinpstr Finpstr;
  TFAbout1 FAbout1;
  TFInstrs FInstrs{game.random, [this] { return host.ClockReading(); }};
};
