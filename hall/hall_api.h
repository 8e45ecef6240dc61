// The hall's API, apart from HTTP: each handler takes what the request said and gives the
// status and body to answer with. The HTTP routes (http_routes.h), the tests and the fuzz
// target all call these.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "hall/hall_exchange.h"
#include "hall/hall_store.h"
#include "hall/live_games.h"
#include "hall/rate_limit.h"
#include "hall/upload_check.h"

namespace stonewick::hall {

// A live game with no new line for this long is dropped.
inline constexpr std::int64_t kLiveIdleMs = 10 * 60'000;

struct HallLimits {
  std::size_t bodyBytes = std::size_t{8} << 20;  // a recording over this is refused (413)
  double uploadsPerMinute = 30;                  // per address; 0 for no limit
  double uploadBurst = 10;
  std::size_t liveGames = 100;  // live games kept at once
};

class HallApi {
 public:
  // `nowMs` gives the wall clock in milliseconds since 1970 (tests set their own).
  HallApi(HallStore& store, const HallLimits& limits,
          std::function<std::int64_t()> nowMs = SystemNowMs);

  HallResponse PostGame(const HallRequest& request);
  HallResponse ListGames(const HallRequest& request);
  HallResponse GetGame(std::string_view id);
  HallResponse GetRecording(std::string_view id);
  HallResponse Daily();

  // Live games (live_api.cpp): started under a name, fed whole lines with the game's own key,
  // ended and then checked and stored like an upload; unranked when played slower than the
  // hall's clock.
  HallResponse StartLive(const HallRequest& request);
  HallResponse AppendLive(std::string_view id, const HallRequest& request);
  HallResponse EndLive(std::string_view id, const HallRequest& request);
  HallResponse ListLive();
  HallResponse LiveRecording(std::string_view id);
  LiveGames& live() { return live_; }

  // Whether an upload from `address` may be read at all (the routes ask before the body).
  bool AllowUpload(const std::string& address) { return rateLimit_.Allow(address, nowMs_()); }
  const HallLimits& limits() const { return limits_; }

  static std::int64_t SystemNowMs();

 private:
  HallResponse Upload(const HallRequest& request);
  // The request's name, allowed, and the hash of the token it carries; or the refusal when
  // the name is not allowed or is someone else's.
  std::optional<HallResponse> CheckName(const HallRequest& request, std::string& player,
                                        std::string& tokenHash);
  // Stores a checked game as `how` says (its time of upload, day and rank): 201, 401 or 409.
  HallResponse StoreGame(const std::string& player, const std::string& tokenHash,
                         const std::string& recording, const CheckedGame& checked,
                         const GameRecord& how);

  HallStore& store_;
  HallLimits limits_;
  std::function<std::int64_t()> nowMs_;
  RateLimit rateLimit_;
  LiveGames live_{limits_.liveGames, limits_.bodyBytes};
};

// {"error": message}, or with "line" too for a recording's fault.
HallResponse ErrorResponse(int status, std::string_view message);

}  // namespace stonewick::hall
