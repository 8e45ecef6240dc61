// The fuzz targets. fuzz_events turns the input's bytes into a game of events (keys, clicks,
// menu commands, answers, timer events, bounded waits); fuzz_script reads them as a script,
// hostile bytes and nested events included, block by block and once more through RunScript,
// with and without checking the dumps. Either way the invariants are checked after every
// event (after every block for nested ones). Built once per target with STONEWICK_FUZZ_SCRIPT
// set to 0 or 1.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/play_input.h"

namespace {

#if STONEWICK_FUZZ_SCRIPT
constexpr const char* kTarget = "fuzz_script";
constexpr auto kPlay = &stonewick::testing::PlayScriptBytes;
#else
constexpr const char* kTarget = "fuzz_events";
constexpr auto kPlay = &stonewick::testing::PlayEventBytes;
#endif

std::uint64_t played = 0;
std::uint64_t inputs = 0;

void PrintFigures() {
  std::fprintf(stderr, "%s: %llu events played in %llu inputs\n", kTarget,
               static_cast<unsigned long long>(played), static_cast<unsigned long long>(inputs));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(PrintFigures);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fault = kPlay(data, size, &played);
  ++inputs;
  if (!fault.empty()) {
    std::fprintf(stderr, "invariant broken: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
