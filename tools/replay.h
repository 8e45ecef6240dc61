// The replay interpreter: a fresh game at the program's starting point, fed one script
// line at a time.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "game/game.h"
#include "lists/spare_lists.h"
#include "tools/replay_host.h"

namespace stonewick {

class Replay {
 public:
  // Runs the start-up of the real program: the modules, the first Power, level 1.
  explicit Replay(std::ostream& out);

  // Runs one script line. Returns false with `error` set (and nothing done) for a bad line.
  bool RunLine(std::string_view line, std::string& error);
  // True once the main window has been closed: the script ends there.
  bool Closed() const { return host.closed; }

  // Advances the virtual clock, firing the timers that fall due on the way.
  void Wait(std::int64_t ms);
  void Dump();
  // One event of mainTimer, slowTimer or badStepTimer now, if that timer is enabled.
  void DeliverTimer(int timer);
  // The Instructions command: the window's colour is drawn only when it was not open.
  void ShowInstructions();

  SpareLists spareLists;
  ReplayHost host;
  Game game;
  bool instructionsOpen = false;

 private:
  void FireTimer(int timer);
};

// Reads a whole script; returns the exit status (0, or 2 after printing the error line).
int RunScript(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace stonewick
