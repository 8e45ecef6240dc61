// libFuzzer target on an upload's handling: the input's first line is the player's name, its
// second the content type, the rest the body, posted to a hall on an in-memory SQLite
// database. Whatever comes, the answer is one of the API's statuses with a JSON body, and the
// hall holds one more game exactly when it answered 201.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "hall/hall_api.h"
#include "hall/hall_store.h"

namespace {

void Broken(const char* what, const stonewick::hall::HallResponse& response) {
  std::fprintf(stderr, "invariant broken: %s (status %d, body %.200s)\n", what, response.status,
               response.body.c_str());
  std::abort();
}

// The input's next line, without its end; the rest stays in `input`.
std::string TakeLine(std::string_view& input) {
  const std::size_t end = std::min(input.find('\n'), input.size());
  std::string line(input.substr(0, end));
  input.remove_prefix(std::min(end + 1, input.size()));
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace stonewick::hall;
  static const auto store = OpenStore(":memory:");
  static HallApi api(*store, HallLimits{.bodyBytes = 1 << 20},
                     [] { return std::int64_t{1'796'739'511'000}; });
  std::string_view input(reinterpret_cast<const char*>(data), size);
  HallRequest request;
  request.address = "127.0.0.1";
  request.query.emplace("player", TakeLine(input));
  request.contentType = TakeLine(input);
  request.body.assign(input);
  const std::int64_t before = store->CountGames();
  const HallResponse response = api.PostGame(request);
  static const std::set<int> kStatuses = {201, 400, 401, 409, 413, 415, 422};
  if (!kStatuses.contains(response.status)) {
    Broken("an answer the API does not give", response);
  }
  if (response.body.empty() || response.body.front() != '{' || response.body.back() != '}') {
    Broken("an answer that is not a JSON object", response);
  }
  if (store->CountGames() != before + (response.status == 201 ? 1 : 0)) {
    Broken("a game stored without 201, or 201 without a game", response);
  }
  return 0;
}
