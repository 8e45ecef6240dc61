// Speed of the rules with drawing switched off: one main tick and one bad step on the
// crowded level 5, each level's layout, and an hour of virtual play replayed.
#include <benchmark/benchmark.h>

#include <ostream>
#include <string>

#include "game/game_steps.h"
#include "session/scripts/replay.h"
#include "tests/support/position_builder.h"
#include "tests/support/session_access.h"

namespace {

using stonewick::Replay;

std::ostream& Discard() {
  static std::ostream discard(nullptr);
  return discard;
}

// A game on level 5 with play started by a key press.
void StartLevelFive(Replay& replay) {
  std::string error;
  for (int skip = 0; skip < 4; ++skip) {
    replay.RunLine("menu skip", error);
  }
  replay.RunLine("key 37", error);
}

void BM_MainTickLevel5(benchmark::State& state) {
  Replay replay(Discard());
  StartLevelFive(replay);
  for (auto _ : state) {
    replay.DeliverTimer(stonewick::GameTimer::Main);
  }
}
BENCHMARK(BM_MainTickLevel5);

void BM_BadStepLevel5(benchmark::State& state) {
  Replay replay(Discard());
  StartLevelFive(replay);
  for (auto _ : state) {
    replay.DeliverTimer(stonewick::GameTimer::BadStep);
  }
}
BENCHMARK(BM_BadStepLevel5);

void BM_Layout(benchmark::State& state) {
  Replay replay(Discard());
  // The layouts alone, straight on the rules.
  stonewick::SessionCore& session = replay.MutableSession();
  stonewick::GameSteps& steps = stonewick::testing::GameOf(session).Steps();
  // Levels 1 and 2 lay out the brick field, each its own way; the layouts leave the level as
  // it is.
  const std::int32_t level = state.range(0) == 2 ? 2 : 1;
  stonewick::testing::Put(session, stonewick::testing::PositionBuilder(session).Level(level));
  for (auto _ : state) {
    switch (state.range(0)) {
      case 1:
      case 2:
        steps.LayoutBrickField();
        break;
      case 3:
        steps.LayoutLevel3();
        break;
      case 4:
        steps.LayoutLevel4();
        break;
      default:
        steps.LayoutLevel5();
        break;
    }
    steps.ClearBaddieQueues();
  }
}
BENCHMARK(BM_Layout)->DenseRange(1, 5);

void BM_HourOfVirtualPlayLevel5(benchmark::State& state) {
  for (auto _ : state) {
    Replay replay(Discard());
    StartLevelFive(replay);
    replay.Wait(60 * 60 * 1000);
    benchmark::DoNotOptimize(replay.game().kills);
  }
}
BENCHMARK(BM_HourOfVirtualPlayLevel5)->Unit(benchmark::kMillisecond);

void BM_HourOfVirtualPlayLevel1(benchmark::State& state) {
  for (auto _ : state) {
    Replay replay(Discard());
    std::string error;
    replay.RunLine("key 38", error);
    replay.Wait(60 * 60 * 1000);
    benchmark::DoNotOptimize(replay.game().kills);
  }
}
BENCHMARK(BM_HourOfVirtualPlayLevel1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
