// How long a jump in a watched recording takes to reach its state: jump_bench RECORDING
// (make_recording 60 writes an hour's). Jumps to 200 points spread over the recording, each
// through the rules alone into a fresh replay, once replaying from the start and once from
// the nearest state kept as the recording was read; prints the mean and the slowest of each
// (of a second round: the first warms the caches).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "recording_format/stream_lines.h"
#include "session/watching/timeline.h"

namespace {

using stonewick::Replay;
using stonewick::Timeline;

struct Figures {
  double meanMs = 0;
  double slowestMs = 0;
};

Figures Jumps(const Timeline& recording, Timeline::From from) {
  constexpr int kJumps = 200;
  Figures figures;
  for (int i = 0; i < kJumps; ++i) {
    const auto to = recording.PositionAt(recording.EndMs() * i / (kJumps - 1));
    const auto start = std::chrono::steady_clock::now();
    Replay replay;
    recording.ReplayTo(to, replay, from);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    figures.meanMs += took.count() / kJumps;
    figures.slowestMs = std::max(figures.slowestMs, took.count());
  }
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: jump_bench RECORDING\n");
    return 2;
  }
  std::ifstream file(argv[1]);
  stonewick::StreamLines lines(file);
  Timeline recording;
  std::string said;
  const auto readStart = std::chrono::steady_clock::now();
  if (recording.Read(lines, said, "jump_bench") != 0) {
    std::fputs(said.c_str(), stderr);
    return 2;
  }
  const std::chrono::duration<double, std::milli> read =
      std::chrono::steady_clock::now() - readStart;
  std::printf("recording: %zu blocks, %.1f min of play, read and checked in %.0f ms\n",
              recording.Blocks().size(), static_cast<double>(recording.EndMs()) / 60'000.0,
              read.count());
  for (const auto& [name, from] :
       {std::pair{"from the start", Timeline::From::Start},
        std::pair{"from the nearest kept state", Timeline::From::NearestSnapshot}}) {
    Jumps(recording, from);  // once to warm the caches and the allocator
    const Figures figures = Jumps(recording, from);
    std::printf("jump %-28s mean %7.2f ms, slowest %7.2f ms\n", name, figures.meanMs,
                figures.slowestMs);
  }
  return 0;
}
