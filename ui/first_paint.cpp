// The start-up probe: reads the clock, the process's processor time and its peak resident
// memory.
#include "ui/first_paint.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
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
    // All the process's threads; on a busy machine far steadier than the wall clock.
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::printf(
        "first-paint-ns %lld peak-rss-kb %ld cpu-ns %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
        PeakResidentKb(), static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
    std::fflush(stdout);
    QCoreApplication::quit();
  });
}

}  // namespace stonewick
