// How long the board grid takes to repaint all 484 cells, and to draw every cell one by one
// as a layout does, in the real window under Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "bench/window/offscreen_program.h"
#include "tests/support/session_access.h"
#include "ui/program.h"

using namespace stonewick;

namespace {

Program* program = nullptr;

void FullRepaint(benchmark::State& state) {
  BoardView& grid = program->mainWindow.View();
  for (auto _ : state) {
    grid.repaint();
  }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);

// A repaint after the whole tile layer changed without draws: every exposed cell is fetched.
void FullRepaintOfChangedBoard(benchmark::State& state) {
  BoardView& grid = program->mainWindow.View();
  // The tile layer changed behind the window's back, straight on the rules.
  stonewick::Game& game = testing::GameOf(program->session);
  const stonewick::PlayState original = game.Snapshot();
  stonewick::PlayState flipped = original;
  for (auto& column : flipped.board.tiles) {
    for (auto& code : column) {
      code = code == stonewick::Blank ? stonewick::SoftBrick : stonewick::Blank;
    }
  }
  bool odd = false;
  for (auto _ : state) {
    game.Restore((odd = !odd) ? flipped : original);
    grid.repaint();
  }
  game.Restore(original);
}
BENCHMARK(FullRepaintOfChangedBoard)->Unit(benchmark::kMicrosecond);

void RedrawBoardCellByCell(benchmark::State& state) {
  for (auto _ : state) {
    testing::GameOf(program->session).RedrawBoard();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(RedrawBoardCellByCell)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  return RunWithProgram(argc, argv, program);
}
