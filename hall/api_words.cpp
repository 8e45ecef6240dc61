// Query values, headers, ids and the JSON of games and errors.
#include "hall/api_words.h"

#include <algorithm>
#include <charconv>

#include "hall/json_text.h"

namespace stonewick::hall {

QueryValue OneValue(const HallRequest& request, const std::string& key) {
  const auto [first, last] = request.query.equal_range(key);
  if (first == last) {
    return {};
  }
  return {.twice = std::next(first) != last, .value = first->second};
}

std::optional<std::int64_t> ParseId(std::string_view text) {
  std::int64_t id = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (ec != std::errc() || end != text.data() + text.size() || id <= 0) {
    return std::nullopt;
  }
  return id;
}

std::string MediaType(std::string_view header) {
  header = header.substr(0, header.find(';'));
  while (!header.empty() && header.back() == ' ') {
    header.remove_suffix(1);
  }
  std::string type(header);
  std::transform(type.begin(), type.end(), type.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return type;
}

std::string BearerToken(std::string_view header) {
  constexpr std::string_view kBearer = "Bearer ";
  return header.starts_with(kBearer) ? std::string(header.substr(kBearer.size())) : std::string();
}

std::string GameJson(const GameRecord& game) {
  JsonObject json;
  json.Add("id", game.id)
      .Add("player", game.player)
      .Add("level", std::int64_t{game.level})
      .Add("kills", std::int64_t{game.kills})
      .Add("time_ms", game.timeMs)
      .Add("checkpoints", game.checkpoints)
      .Add("uploaded_at", game.uploadedAt);
  if (!game.day.empty()) {
    json.Add("daily", game.day);
  }
  if (!game.ranked) {
    json.AddRaw("unranked", "true");
  }
  return json.Text();
}

HallResponse RecordingError(const CheckedGame& checked) {
  return {.status = 422,
          .body = JsonObject()
                      .Add("error", checked.error)
                      .Add("line", static_cast<std::int64_t>(checked.errorLine))
                      .Text()};
}

HallResponse ErrorResponse(int status, std::string_view message) {
  return {.status = status, .body = JsonObject().Add("error", message).Text()};
}

HallResponse Unavailable() {
  return ErrorResponse(503, "the hall's database is unavailable; try again later");
}

HallResponse NameNotAllowed() {
  return ErrorResponse(400,
                       "a name is 1 to 24 letters, digits, spaces, '-' or '_', "
                       "not starting or ending with a space");
}

HallResponse NotTheNamesToken() {
  return ErrorResponse(401, "this name is taken: send its token as Authorization: Bearer");
}

}  // namespace stonewick::hall
