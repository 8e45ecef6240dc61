// Writes a recording of a long game as the window would write it, for measuring how the window
// plays long recordings back: make_recording MINUTES [SEED]. The timers tick at their
// intervals, a key comes about every 700 ms, Skip every five minutes; every block is followed
// by its checkpoint and the recording ends with the final state and Exit.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "recording_format/checkpoint.h"
#include "session/scripts/replay.h"

namespace {

constexpr std::array<const char*, 6> kKeys = {"key 37", "key 38", "key 39",
                                              "key 40", "key 32", "key 66"};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: make_recording MINUTES [SEED]\n";
    return 2;
  }
  const std::int64_t endMs = std::strtoll(argv[1], nullptr, 10) * 60'000;
  std::minstd_rand random(argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 1);
  std::ostream nowhere(nullptr);
  stonewick::Replay replay(nowhere);
  std::string error;
  std::ostringstream out;
  auto run = [&](const std::string& line) {
    if (!replay.RunLine(line, error)) {
      std::cerr << "make_recording: " << line << ": " << error << '\n';
      std::exit(1);
    }
    out << line << '\n';
  };
  out << "# A long game for measuring playback\n";
  run("manual");
  std::int64_t now = 0;
  std::int64_t nextMain = 150;
  std::int64_t nextSlow = 400;
  std::int64_t nextBad = 400;
  std::int64_t nextKey = 500;
  std::int64_t nextSkip = 300'000;
  while (!replay.Closed()) {
    const std::int64_t at = std::min({nextMain, nextSlow, nextBad, nextKey, nextSkip});
    if (at >= endMs) {
      break;
    }
    if (at > now) {
      run("wait " + std::to_string(at - now));
      now = at;
    }
    // A question answered Yes whenever one comes: play goes on at level 1.
    if (replay.script().clock.answers.empty()) {
      run("answer Y");
    }
    if (at == nextMain) {
      run("tick");
      nextMain += 150;
    } else if (at == nextSlow) {
      run("slow");
      nextSlow += 400;
    } else if (at == nextBad) {
      run("bad");
      nextBad += replay.session().Timers().BadStepInterval();
    } else if (at == nextKey) {
      run(kKeys[random() % kKeys.size()]);
      nextKey += 400 + static_cast<std::int64_t>(random() % 600);
    } else {
      run("menu skip");
      nextSkip += 300'000;
    }
    out << "#~ " << stonewick::Checkpoint(replay.StateText()) << '\n';
  }
  out << "dump\n";
  std::istringstream state(replay.StateText());
  for (std::string line; std::getline(state, line);) {
    out << "#= " << line << '\n';
  }
  out << "menu exit\n";
  std::cout << out.str();
  return 0;
}
