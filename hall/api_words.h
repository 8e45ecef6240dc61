// What the API's handlers share: reading query values, headers and ids, and writing games and
// errors as JSON.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hall/hall_exchange.h"
#include "hall/hall_store.h"
#include "hall/upload_check.h"

namespace stonewick::hall {

// The one value of a query parameter: none when missing; `twice` when given more than once.
struct QueryValue {
  bool twice = false;
  std::optional<std::string> value = {};
};
QueryValue OneValue(const HallRequest& request, const std::string& key);

// A positive decimal id, or none.
std::optional<std::int64_t> ParseId(std::string_view text);
// The media type of a Content-Type header, lower case, without its parameters.
std::string MediaType(std::string_view header);
// The token of "Authorization: Bearer TOKEN", or empty.
std::string BearerToken(std::string_view header);

std::string GameJson(const GameRecord& game);
// 422 with the recording's fault and its line.
HallResponse RecordingError(const CheckedGame& checked);
HallResponse Unavailable();
HallResponse NameNotAllowed();
HallResponse NotTheNamesToken();

}  // namespace stonewick::hall
