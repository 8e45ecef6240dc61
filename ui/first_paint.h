// A start-up probe for the window benchmark: when STONEWICK_EXIT_AFTER_FIRST_PAINT is set, the
// program prints the wall-clock time of its first painted frame and its peak memory, then
// quits. Without the variable nothing happens.
#pragma once

namespace stonewick {

bool FirstPaintProbeRequested();
// Prints "first-paint-ns <ns since the epoch> peak-rss-kb <kB> cpu-ns <processor ns>" once the
// frame is on its way to the screen, then ends the event loop.
void ReportFirstPaintAndQuit();

}  // namespace stonewick
