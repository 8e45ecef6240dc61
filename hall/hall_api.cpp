// The handlers: an upload is bounded, named, authorised, checked by the session and stored in
// one transaction, in that order, so the cheapest refusals come first and nothing is written
// for any refusal. A database that is away answers 503.
#include "hall/hall_api.h"

#include <algorithm>
#include <charconv>
#include <chrono>

#include "hall/daily_board.h"
#include "hall/json_text.h"
#include "hall/player_name.h"
#include "hall/secrets.h"
#include "hall/upload_check.h"

namespace stonewick::hall {
namespace {

constexpr std::int64_t kLongestListing = 100;

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
  return json.Text();
}

// The one value of a query parameter: none when missing, an error when given twice.
struct QueryValue {
  bool twice = false;
  std::optional<std::string> value;
};
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

// The media type of a Content-Type header, lower case, without its parameters.
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

// The token of "Authorization: Bearer TOKEN", or empty.
std::string BearerToken(std::string_view header) {
  constexpr std::string_view kBearer = "Bearer ";
  return header.starts_with(kBearer) ? std::string(header.substr(kBearer.size())) : std::string();
}

HallResponse RecordingError(const CheckedGame& checked) {
  return {.status = 422,
          .body = JsonObject()
                      .Add("error", checked.error)
                      .Add("line", static_cast<std::int64_t>(checked.errorLine))
                      .Text()};
}

}  // namespace

HallResponse ErrorResponse(int status, std::string_view message) {
  return {.status = status, .body = JsonObject().Add("error", message).Text()};
}

std::int64_t HallApi::SystemNowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

HallApi::HallApi(HallStore& store, const HallLimits& limits, std::function<std::int64_t()> nowMs)
    : store_(store),
      limits_(limits),
      nowMs_(std::move(nowMs)),
      rateLimit_(limits.uploadsPerMinute, limits.uploadBurst) {}

HallResponse HallApi::PostGame(const HallRequest& request) {
  try {
    return Upload(request);
  } catch (const StoreUnavailable&) {
    return ErrorResponse(503, "the hall's database is unavailable; try again later");
  }
}

HallResponse HallApi::Upload(const HallRequest& request) {
  if (request.body.size() > limits_.bodyBytes) {
    return ErrorResponse(413, "the recording is larger than the hall takes");
  }
  if (MediaType(request.contentType) != "text/plain") {
    return ErrorResponse(415, "a recording is sent as text/plain");
  }
  const QueryValue player = OneValue(request, "player");
  if (player.twice || !player.value || !IsAllowedName(*player.value)) {
    return ErrorResponse(400,
                         "a name is 1 to 24 letters, digits, spaces, '-' or '_', "
                         "not starting or ending with a space");
  }
  const QueryValue daily = OneValue(request, "daily");
  const std::int64_t nowMs = nowMs_();
  if (daily.twice || (daily.value && !IsDay(*daily.value))) {
    return ErrorResponse(400, "daily is a day, YYYY-MM-DD");
  }
  if (daily.value && *daily.value != DayOf(nowMs / 1000) &&
      *daily.value != DayOf(nowMs / 1000 - 86'400)) {
    return ErrorResponse(400, "a daily game is sent on its day, or the day after");
  }
  // A wrong token is refused before the costly check; the transaction checks it again.
  const std::string token = BearerToken(request.authorization);
  const std::string tokenHash = token.empty() ? std::string() : Sha256Hex(token);
  if (const auto owner = store_.TokenHashOf(*player.value)) {
    if (token.empty() || !SameHash(*owner, tokenHash)) {
      return ErrorResponse(401, "this name is taken: send its token as Authorization: Bearer");
    }
  }
  const CheckedGame checked = CheckUpload(request.body);
  if (!checked.accepted) {
    return RecordingError(checked);
  }
  if (daily.value) {
    const std::uint32_t seed = DailySeed(*daily.value);
    if (checked.readings.empty() ||
        !std::ranges::all_of(checked.readings, [&](std::uint32_t r) { return r == seed; })) {
      CheckedGame notTheDay = checked;
      notTheDay.error = "the game's clock readings are not the day's seed";
      return RecordingError(notTheDay);
    }
  }
  const std::string newToken = NewToken();
  NewGame upload{.game = {.player = *player.value,
                          .level = checked.level,
                          .kills = checked.kills,
                          .timeMs = checked.timeMs,
                          .checkpoints = static_cast<std::int64_t>(checked.checkpoints),
                          .uploadedAt = nowMs / 1000,
                          .day = daily.value.value_or("")},
                 .fingerprint = RecordingFingerprint(request.body),
                 .recording = request.body,
                 .tokenHash = tokenHash,
                 .newTokenHash = Sha256Hex(newToken)};
  const AddOutcome outcome = store_.AddGame(upload);
  switch (outcome.result) {
    case AddResult::WrongToken:
      return ErrorResponse(401, "this name is taken: send its token as Authorization: Bearer");
    case AddResult::Duplicate:
      return ErrorResponse(409, "this game is in the hall already");
    case AddResult::Added:
      break;
  }
  upload.game.id = outcome.id;
  std::string body = GameJson(upload.game);
  if (outcome.newPlayer) {
    // The token is said once, here; the hall keeps only its hash.
    body.pop_back();
    body += ",\"token\":" + JsonString(newToken) + "}";
  }
  return {.status = 201, .body = std::move(body)};
}

HallResponse HallApi::ListGames(const HallRequest& request) {
  GameQuery query;
  const QueryValue by = OneValue(request, "by");
  if (by.twice) {
    return ErrorResponse(400, "by is given once");
  }
  if (!by.value || *by.value == "level") {
    query.order = GameOrder::Level;
  } else if (*by.value == "kills") {
    query.order = GameOrder::Kills;
  } else if (*by.value == "time") {
    query.order = GameOrder::Time;
  } else {
    return ErrorResponse(400, "by is level, kills or time");
  }
  const QueryValue limit = OneValue(request, "limit");
  if (limit.value) {
    const auto value = ParseId(*limit.value);
    if (limit.twice || !value || *value > kLongestListing) {
      return ErrorResponse(400, "limit is 1 to 100");
    }
    query.limit = *value;
  }
  const QueryValue player = OneValue(request, "player");
  if (player.twice || (player.value && !IsAllowedName(*player.value))) {
    return ErrorResponse(400, "no player has this name");
  }
  query.player = player.value;
  const QueryValue daily = OneValue(request, "daily");
  if (daily.twice || (daily.value && !IsDay(*daily.value))) {
    return ErrorResponse(400, "daily is a day, YYYY-MM-DD");
  }
  query.day = daily.value;
  const QueryValue best = OneValue(request, "best");
  query.bestOfEachPlayer = best.value == "player";
  try {
    std::string body = "{\"games\":[";
    bool first = true;
    for (const GameRecord& game : store_.ListGames(query)) {
      body += first ? "" : ",";
      body += GameJson(game);
      first = false;
    }
    return {.status = 200, .body = body + "]}"};
  } catch (const StoreUnavailable&) {
    return ErrorResponse(503, "the hall's database is unavailable; try again later");
  }
}

HallResponse HallApi::GetGame(std::string_view id) {
  const auto number = ParseId(id);
  try {
    const auto game = number ? store_.FindGame(*number) : std::nullopt;
    return game ? HallResponse{.body = GameJson(*game)} : ErrorResponse(404, "no such game");
  } catch (const StoreUnavailable&) {
    return ErrorResponse(503, "the hall's database is unavailable; try again later");
  }
}

HallResponse HallApi::GetRecording(std::string_view id) {
  const auto number = ParseId(id);
  try {
    auto recording = number ? store_.RecordingOf(*number) : std::nullopt;
    if (!recording) {
      return ErrorResponse(404, "no such game");
    }
    return {.contentType = "text/plain; charset=utf-8", .body = std::move(*recording)};
  } catch (const StoreUnavailable&) {
    return ErrorResponse(503, "the hall's database is unavailable; try again later");
  }
}

HallResponse HallApi::Daily() {
  const std::string day = DayOf(nowMs_() / 1000);
  return {.body = JsonObject().Add("day", day).Add("seed", std::int64_t{DailySeed(day)}).Text()};
}

}  // namespace stonewick::hall
