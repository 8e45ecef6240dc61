// Every input the fuzzers ever failed on, kept in tests/fuzz/regressions/, played again with
// the invariants: NAME.events through the event generator, NAME.script as a script.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/play_input.h"

namespace stonewick::testing {
namespace {

// From the source folder the build names: __FILE__ may be relative to the build folder (as
// when ccache rewrites paths), and the tests run in another.
std::filesystem::path RegressionFolder() {
  return std::filesystem::path(STONEWICK_SOURCE_DIR) / "tests" / "fuzz" / "regressions";
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> Inputs(const char* extension) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(RegressionFolder())) {
    if (entry.path().extension() == extension) {
      paths.push_back(entry.path());
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

TEST(FuzzRegressions, EveryKeptEventInputKeepsTheInvariants) {
  const std::vector<std::filesystem::path> inputs = Inputs(".events");
  ASSERT_FALSE(inputs.empty()) << "no .events input in " << RegressionFolder();
  for (const auto& path : inputs) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    EXPECT_EQ(PlayEventBytes(bytes.data(), bytes.size()), "") << path.filename();
  }
}

TEST(FuzzRegressions, EveryKeptScriptKeepsTheInvariants) {
  const std::vector<std::filesystem::path> inputs = Inputs(".script");
  ASSERT_FALSE(inputs.empty()) << "no .script input in " << RegressionFolder();
  for (const auto& path : inputs) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    EXPECT_EQ(PlayScriptBytes(bytes.data(), bytes.size()), "") << path.filename();
  }
}

}  // namespace
}  // namespace stonewick::testing
