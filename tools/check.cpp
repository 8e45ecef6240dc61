// Comparing what the replay printed with what the recording expected.
#include "tools/check.h"

#include <algorithm>

#include "tools/script_lines.h"

namespace stonewick {

std::string DumpDifference(std::string_view printed, const std::vector<StateLine>& expected) {
  auto quoted = [](std::string_view text) { return Joined({"\"", Printable(text, 200), "\""}); };
  std::vector<std::string_view> seen;
  for (std::size_t at = 0; at < printed.size();) {
    const std::size_t end = printed.find('\n', at);
    seen.push_back(printed.substr(at, end - at));
    at = end == std::string_view::npos ? printed.size() : end + 1;
  }
  for (std::size_t i = 0; i < std::max(seen.size(), expected.size()); ++i) {
    if (i < seen.size() && i < expected.size() && seen[i] == expected[i].text) {
      continue;
    }
    return Joined({"dump line ", std::to_string(i + 1), " differs: expected ",
                   i < expected.size() ? quoted(expected[i].text) : "no more lines", ", seen ",
                   i < seen.size() ? quoted(seen[i]) : "no more lines"});
  }
  return {};
}

}  // namespace stonewick
