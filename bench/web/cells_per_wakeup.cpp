// How many cells the game draws when a timer wakes it, at one level playing by itself, for the
// page's floor (bench/web/floor/): cells_per_wakeup LEVEL MINUTES [RECORDING]. It plays the
// level as the page's figures do (Skip to it, then Auto) with the timers at their intervals,
// counts the cells whose tile each wake-up changed, and prints the averages of the main tick,
// the slow timer and the bad step as JSON. With RECORDING, the lines it played are written
// there too, a recording that stonewick-replay plays back.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "session/scripts/replay.h"

namespace {

struct Tally {
  std::int64_t wakeUps = 0;
  std::int64_t cells = 0;
  double Average() const { return wakeUps == 0 ? 0 : static_cast<double>(cells) / wakeUps; }
};

}  // namespace

int main(int argc, char** argv) {
  const int level = argc >= 3 ? std::atoi(argv[1]) : 0;
  const std::int64_t endMs = argc >= 3 ? std::strtoll(argv[2], nullptr, 10) * 60'000 : 0;
  if (argc < 3 || argc > 4 || level < 1 || level > 5 || endMs <= 0) {
    std::cerr << "usage: cells_per_wakeup LEVEL(1-5) MINUTES [RECORDING]\n";
    return 2;
  }
  std::ofstream recording;
  if (argc == 4) {
    recording.open(argv[3]);
    if (!recording) {
      std::cerr << "cells_per_wakeup: cannot write " << argv[3] << '\n';
      return 2;
    }
  }
  stonewick::Replay replay;
  std::string error;
  const auto run = [&](const std::string& line) {
    if (!replay.RunLine(line, error)) {
      std::cerr << "cells_per_wakeup: " << line << ": " << error << '\n';
      std::exit(1);
    }
    recording << line << '\n';
  };
  run("manual");
  for (int next = 2; next <= level; ++next) {
    run("menu skip");
  }
  run("menu auto");

  // Main tick, slow timer, bad step: when each wakes next, and what its wake-ups drew.
  std::int64_t now = 0;
  std::int64_t due[3] = {150, 400, 600};
  const char* const lines[3] = {"tick", "slow", "bad"};
  Tally tallies[3];
  while (!replay.Closed()) {
    const int timer = static_cast<int>(std::min_element(due, due + 3) - due);
    if (due[timer] >= endMs) {
      break;
    }
    if (due[timer] > now) {
      run("wait " + std::to_string(due[timer] - now));
      now = due[timer];
    }
    // A question answered Yes whenever one comes, so play goes on.
    if (replay.script().clock.answers.empty()) {
      run("answer Y");
    }
    const stonewick::Board before = replay.game().board;
    run(lines[timer]);
    const stonewick::Board& after = replay.game().board;
    for (int col = 0; col < stonewick::kBoardSize; ++col) {
      for (int row = 0; row < stonewick::kBoardSize; ++row) {
        tallies[timer].cells += before.tiles[col][row] != after.tiles[col][row] ? 1 : 0;
      }
    }
    ++tallies[timer].wakeUps;
    due[timer] += timer == 2 ? replay.session().Timers().BadStepInterval() : timer == 0 ? 150 : 400;
  }
  std::printf(
      "{\"level\": %d, \"minutes\": %lld, \"tick\": %.3f, \"slow\": %.3f, \"bad\": %.3f, "
      "\"badWakeUps\": %lld}\n",
      level, static_cast<long long>(endMs / 60'000), tallies[0].Average(), tallies[1].Average(),
      tallies[2].Average(), static_cast<long long>(tallies[2].wakeUps));
  return 0;
}
