// stonewick-replay [--check] [SCRIPT]: plays a script of events through the game's rules with
// no window and prints what the dialogs said and, on request, the whole game state.
#include <iostream>
#include <span>

#include "session/scripts/run_script.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return stonewick::ReplayMain(std::span<char* const>(argv, static_cast<std::size_t>(argc)),
                               std::cin, std::cout, std::cerr);
}
