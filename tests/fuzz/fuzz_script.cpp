// Fuzz target: the input is a script as the replay tool reads it, hostile bytes included.
// It runs line by line with the invariants, and once more through RunScript, which must
// print the same and end with the matching exit status.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/play_input.h"

namespace {

std::uint64_t played = 0;
std::uint64_t inputs = 0;

void PrintFigures() {
  std::fprintf(stderr, "fuzz_script: %llu events played in %llu inputs\n",
               static_cast<unsigned long long>(played), static_cast<unsigned long long>(inputs));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(PrintFigures);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fault = stonewick::testing::PlayScriptBytes(data, size, &played);
  ++inputs;
  if (!fault.empty()) {
    std::fprintf(stderr, "invariant broken: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
