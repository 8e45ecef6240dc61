// stonewick-replay [SCRIPT]: plays a script of events through the game's rules with no
// window and prints what the dialogs said and, on request, the whole game state.
#include <fstream>
#include <iostream>

#include "tools/replay.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc > 2) {
    std::cerr << "usage: stonewick-replay [SCRIPT]\n";
    return 2;
  }
  if (argc == 1) {
    return stonewick::RunScript(std::cin, std::cout, std::cerr);
  }
  std::ifstream script(argv[1], std::ios::binary);
  if (!script) {
    std::cerr << "stonewick-replay: cannot open script '" << argv[1] << "'\n";
    return 2;
  }
  return stonewick::RunScript(script, std::cout, std::cerr);
}
