// How long a jump takes in a recording watched in the window (Qt's offscreen platform): to its
// end, its middle and its start, each replaying the rules from the start and showing the state.
// The recording is the file named by STONEWICK_RECORDING.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "bench/window/offscreen_program.h"
#include "recording_format/stream_lines.h"
#include "session/watching/watching.h"
#include "ui/program.h"

using namespace stonewick;

namespace {

Program* program = nullptr;
Watching* playback = nullptr;

void Jump(benchmark::State& state, double part) {
  const PlayPosition to = playback->Recording().PositionAt(
      static_cast<std::int64_t>(static_cast<double>(playback->Recording().EndMs()) * part));
  for (auto _ : state) {
    playback->JumpTo(to);
    QCoreApplication::processEvents();
  }
}
BENCHMARK_CAPTURE(Jump, ToTheEnd, 1.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Jump, ToTheMiddle, 0.5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Jump, ToTheStart, 0.0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  const char* path = std::getenv("STONEWICK_RECORDING");
  std::ifstream file(path != nullptr ? path : "");
  Timeline recording;
  std::string errors;
  StreamLines lines(file);
  if (!file || recording.Read(lines, errors, "playback_jump_bench") != 0) {
    std::fprintf(stderr, "set STONEWICK_RECORDING to a recording: %s\n", errors.c_str());
    return 2;
  }
  return RunWithProgram(argc, argv, program, [&recording](Program& started) {
    // Watched but not played: the benchmarks jump in it.
    WatchOptions options;
    options.name = "bench.rec";
    playback = &Watch(started.session, std::move(recording), options);
  });
}
