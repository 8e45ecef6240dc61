// Live games through the API: started under a name like an upload, fed whole lines with the
// game's own key, and at their end checked and stored like any upload. A game whose recorded
// time runs more than 2 % behind the hall's own clock was slowed down, and is stored unranked.
#include "hall/api_words.h"
#include "hall/hall_api.h"
#include "hall/json_text.h"
#include "hall/secrets.h"

namespace stonewick::hall {
namespace {

// What the network may take from a short game's time without making it look slowed down.
constexpr std::int64_t kClockSlackMs = 1000;

bool WholeLines(std::string_view text) {
  return text.empty() || text.back() == '\n';
}

HallResponse ChangeRefused(LiveGames::Change change) {
  switch (change) {
    case LiveGames::Change::NoSuchGame:
      return ErrorResponse(404, "no such live game");
    case LiveGames::Change::WrongKey:
      return ErrorResponse(403, "this live game's key is not sent as Authorization: Bearer");
    case LiveGames::Change::TooLarge:
      return ErrorResponse(413, "the live game is larger than the hall takes");
    case LiveGames::Change::Ended:
      return ErrorResponse(409, "this live game has ended");
    case LiveGames::Change::Done:
      break;
  }
  return {.status = 200, .body = "{}"};
}

}  // namespace

HallResponse HallApi::StartLive(const HallRequest& request) {
  if (!request.body.empty() && MediaType(request.contentType) != "text/plain") {
    return ErrorResponse(415, "a recording is sent as text/plain");
  }
  if (request.body.size() > limits_.bodyBytes) {
    return ErrorResponse(413, "the recording is larger than the hall takes");
  }
  if (!WholeLines(request.body)) {
    return ErrorResponse(400, "a live game is sent in whole lines");
  }
  LiveGame game;
  game.startedMs = nowMs_();
  // A free name is taken now, not when the game ends, so that nobody takes it meanwhile: its
  // token is said in this answer, once.
  std::string newToken = NewToken();
  try {
    if (auto refused = CheckName(request, game.player, game.tokenHash)) {
      return *refused;
    }
    if (store_.ClaimName(game.player, Sha256Hex(newToken), game.startedMs / 1000)) {
      game.tokenHash = Sha256Hex(newToken);
    } else if (auto taken = CheckName(request, game.player, game.tokenHash)) {
      return *taken;  // someone took it a moment ago
    } else {
      newToken.clear();
    }
  } catch (const StoreUnavailable&) {
    return Unavailable();
  }
  const std::string key = NewToken();
  game.keyHash = Sha256Hex(key);
  game.recording = request.body;
  live_.ForgetIdle(game.startedMs, kLiveIdleMs);
  const auto id = live_.Start(std::move(game));
  if (!id) {
    return ErrorResponse(503, "the hall has as many live games as it keeps; try again later");
  }
  JsonObject answer;
  answer.Add("live", *id).Add("key", key);
  if (!newToken.empty()) {
    answer.Add("token", newToken);
  }
  return {.status = 201, .body = answer.Text()};
}

HallResponse HallApi::AppendLive(std::string_view id, const HallRequest& request) {
  const auto number = ParseId(id);
  if (!number) {
    return ErrorResponse(404, "no such live game");
  }
  if (MediaType(request.contentType) != "text/plain") {
    return ErrorResponse(415, "a recording is sent as text/plain");
  }
  if (!WholeLines(request.body)) {
    return ErrorResponse(400, "a live game is sent in whole lines");
  }
  const std::string keyHash = Sha256Hex(BearerToken(request.authorization));
  return ChangeRefused(live_.Append(*number, keyHash, request.body, nowMs_()));
}

HallResponse HallApi::EndLive(std::string_view id, const HallRequest& request) {
  const auto number = ParseId(id);
  if (!number) {
    return ErrorResponse(404, "no such live game");
  }
  LiveGame game;
  const std::string keyHash = Sha256Hex(BearerToken(request.authorization));
  if (const auto change = live_.End(*number, keyHash, game); change != LiveGames::Change::Done) {
    return ChangeRefused(change);
  }
  const std::int64_t nowMs = nowMs_();
  const CheckedGame checked = CheckUpload(game.recording);
  HallResponse answer;
  if (!checked.accepted) {
    answer = RecordingError(checked);
  } else {
    const std::int64_t hallMs = nowMs - game.startedMs;
    const bool slowedDown = (checked.timeMs + kClockSlackMs) * 100 < hallMs * 98;
    try {
      answer = StoreGame(game.player, game.tokenHash, game.recording, checked,
                         {.uploadedAt = nowMs / 1000, .ranked = !slowedDown});
    } catch (const StoreUnavailable&) {
      answer = Unavailable();
    }
  }
  // Spectators learn the verdict, never the token of a new name.
  std::string told = answer.body;
  if (const std::size_t token = told.find(",\"token\":"); token != std::string::npos) {
    told.erase(token, told.size() - 1 - token);
  }
  live_.Settle(*number, told);
  return answer;
}

HallResponse HallApi::LiveRecording(std::string_view id) {
  const auto number = ParseId(id);
  auto recording = number ? live_.RecordingSoFar(*number) : std::nullopt;
  if (!recording) {
    return ErrorResponse(404, "no such live game");
  }
  return {.status = 200, .contentType = "text/plain; charset=utf-8", .body = std::move(*recording)};
}

HallResponse HallApi::ListLive() {
  live_.ForgetIdle(nowMs_(), kLiveIdleMs);
  std::string body = "{\"live\":[";
  bool first = true;
  for (const LiveGame& game : live_.Playing()) {
    body += first ? "" : ",";
    body += JsonObject()
                .Add("id", game.id)
                .Add("player", game.player)
                .Add("started_at", game.startedMs / 1000)
                .Text();
    first = false;
  }
  return {.status = 200, .body = body + "]}"};
}

}  // namespace stonewick::hall
