// Writes a long replay script of pseudo-random events to standard output, for running the
// real replay tool under valgrind: write_soak_script EVENTS [SEED]. The lines that end the
// run (Exit, the answer No) are left out, so the whole script is played.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "session/scripts/replay.h"
#include "tests/support/event_source.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: write_soak_script EVENTS [SEED]\n";
    return 2;
  }
  const std::uint64_t events = std::strtoull(argv[1], nullptr, 10);
  const auto seed = static_cast<std::uint32_t>(argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 1);
  stonewick::testing::RandomBytes bytes(seed);
  // The script's own game, followed along so that clicks land near the player.
  std::ostream sink(nullptr);
  stonewick::Replay replay(sink);
  std::string error;
  std::cout << "# " << events << " pseudo-random events, seed " << seed << '\n';
  for (std::uint64_t i = 0; i < events; ++i) {
    std::string line = stonewick::testing::NextEvent(bytes, replay.game());
    if (line == "menu exit" || line == "answer N") {
      line = "tick";
    }
    if (!replay.RunLine(line, error)) {
      std::cerr << "write_soak_script: made a bad line: " << error << '\n';
      return 1;
    }
    std::cout << line << '\n';
  }
  std::cout << "dump\n";
  return 0;
}
