// The cost of the hall's check: CPU time per hour of recorded play verified, for an hour-long
// game made here (a key and a wait, checkpointed, about every half second) and for any
// recordings named on the command line (a window's, say, or bench's make_recording output).
#include <time.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "hall/upload_check.h"
#include "tests/hall/game_maker.h"

namespace {

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void Measure(const std::string& name, const std::string& recording) {
  constexpr int kRuns = 5;
  stonewick::hall::CheckedGame checked;
  const double started = CpuSeconds();
  for (int run = 0; run < kRuns; ++run) {
    checked = stonewick::hall::CheckUpload(recording);
  }
  const double perRun = (CpuSeconds() - started) / kRuns;
  if (!checked.accepted) {
    std::cout << name << ": refused: " << checked.error << '\n';
    return;
  }
  const double hours = static_cast<double>(checked.timeMs) / 3'600'000.0;
  std::cout << name << ": " << recording.size() / 1024 << " KiB, " << checked.timeMs / 1000
            << " s of play, " << checked.checkpoints << " checkpoints: " << perRun * 1000
            << " ms CPU per check, " << perRun * 1000 / hours << " ms CPU per hour of play\n";
}

}  // namespace

int main(int argc, char** argv) {
  Measure("made game of an hour", stonewick::hall::MakeGame({.seed = 1, .playMs = 3'600'000}));
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i]);
    std::stringstream text;
    text << file.rdbuf();
    Measure(argv[i], text.str());
  }
  return 0;
}
