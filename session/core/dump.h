// The whole state of a game as text: the rules' state together with what the window shows of
// it (its three timers, the Pause command's caption and the six read-outs). The replay tool
// prints it for `dump`, and the window writes it at the end of a recording so that the replay
// can be checked against the game that was played.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "game/game.h"

namespace stonewick {

// The part of the state that lives in the window, not in the rules.
struct WindowItems {
  bool timersOn = false;  // all three timers run
  std::int32_t badStepInterval = 0;
  std::string pauseCaption;
  std::array<std::string, kReadoutCount> labels;  // by Readout
};

// The dump: from "state ..." to "end", one item per line, each line ending in a newline.
std::string DumpText(const PlayState& game, const WindowItems& window);
void WriteDump(std::ostream& out, const PlayState& game, const WindowItems& window);

}  // namespace stonewick
