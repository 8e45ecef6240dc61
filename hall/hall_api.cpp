// The handlers: an upload is bounded, named, authorised, checked by the session and stored in
// one transaction, in that order, so the cheapest refusals come first and nothing is written
// for any refusal. A database that is away answers 503.
#include "hall/hall_api.h"

#include <algorithm>
#include <chrono>

#include "hall/api_words.h"
#include "hall/daily_board.h"
#include "hall/json_text.h"
#include "hall/player_name.h"
#include "hall/secrets.h"
#include "hall/upload_check.h"

namespace stonewick::hall {
namespace {

constexpr std::int64_t kLongestListing = 100;

}  // namespace

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
    return Unavailable();
  }
}

HallResponse HallApi::Upload(const HallRequest& request) {
  if (request.body.size() > limits_.bodyBytes) {
    return ErrorResponse(413, "the recording is larger than the hall takes");
  }
  if (MediaType(request.contentType) != "text/plain") {
    return ErrorResponse(415, "a recording is sent as text/plain");
  }
  std::string player;
  std::string tokenHash;
  if (auto refused = CheckName(request, player, tokenHash)) {
    return *refused;
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
  return StoreGame(player, tokenHash, request.body, checked,
                   {.uploadedAt = nowMs / 1000, .day = daily.value.value_or("")});
}

std::optional<HallResponse> HallApi::CheckName(const HallRequest& request, std::string& player,
                                               std::string& tokenHash) {
  const QueryValue name = OneValue(request, "player");
  if (name.twice || !name.value || !IsAllowedName(*name.value)) {
    return NameNotAllowed();
  }
  player = *name.value;
  // A wrong token is refused before the costly check; the transaction checks it again.
  const std::string token = BearerToken(request.authorization);
  tokenHash = token.empty() ? std::string() : Sha256Hex(token);
  if (const auto owner = store_.TokenHashOf(player)) {
    if (token.empty() || !SameHash(*owner, tokenHash)) {
      return NotTheNamesToken();
    }
  }
  return std::nullopt;
}

HallResponse HallApi::StoreGame(const std::string& player, const std::string& tokenHash,
                                const std::string& recording, const CheckedGame& checked,
                                const GameRecord& how) {
  const std::string newToken = NewToken();
  NewGame upload{.game = how,
                 .fingerprint = RecordingFingerprint(recording),
                 .recording = recording,
                 .tokenHash = tokenHash,
                 .newTokenHash = Sha256Hex(newToken)};
  upload.game.player = player;
  upload.game.level = checked.level;
  upload.game.kills = checked.kills;
  upload.game.timeMs = checked.timeMs;
  upload.game.checkpoints = static_cast<std::int64_t>(checked.checkpoints);
  const AddOutcome outcome = store_.AddGame(upload);
  switch (outcome.result) {
    case AddResult::WrongToken:
      return NotTheNamesToken();
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
  query.bestOfEachPlayer = OneValue(request, "best").value == "player";
  query.withUnranked = OneValue(request, "unranked").value == "include";
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
    return Unavailable();
  }
}

HallResponse HallApi::GetGame(std::string_view id) {
  const auto number = ParseId(id);
  try {
    const auto game = number ? store_.FindGame(*number) : std::nullopt;
    return game ? HallResponse{.body = GameJson(*game)} : ErrorResponse(404, "no such game");
  } catch (const StoreUnavailable&) {
    return Unavailable();
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
    return Unavailable();
  }
}

HallResponse HallApi::Daily() {
  const std::string day = DayOf(nowMs_() / 1000);
  return {.body = JsonObject().Add("day", day).Add("seed", std::int64_t{DailySeed(day)}).Text()};
}

}  // namespace stonewick::hall
