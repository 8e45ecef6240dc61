// The start-up probe: reads the clock and the process's peak resident memory.
#include "ui/first_paint.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace stonewick {

namespace {

long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

}  // namespace

bool FirstPaintProbeRequested() {
  const char* value = std::getenv("STONEWICK_EXIT_AFTER_FIRST_PAINT");
  return value != nullptr && *value != '\0' && std::string(value) != "0";
}

void ReportFirstPaintAndQuit() {
  // Queued behind the paint, so the frame has been handed to the screen first.
  QTimer::singleShot(0, [] {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf(
        "first-paint-ns %lld peak-rss-kb %ld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
        PeakResidentKb());
    std::fflush(stdout);
    QCoreApplication::quit();
  });
}

}  // namespace stonewick
