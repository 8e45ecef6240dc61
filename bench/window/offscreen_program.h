// The window benchmarks' start: the whole program under Qt's offscreen platform, its main
// window shown, then the benchmarks run against it.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>
#include <memory>

#include "ui/program.h"

namespace stonewick {

// `program` points at the program while the benchmarks run; `prepare`, when given, is done
// before the main window shows.
inline int RunWithProgram(int argc, char* argv[], Program*& program,
                          const std::function<void(Program&)>& prepare = {}) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  auto owned = std::make_unique<Program>();
  program = owned.get();
  if (prepare) {
    prepare(*program);
  }
  program->mainWindow.show();
  QCoreApplication::processEvents();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace stonewick
