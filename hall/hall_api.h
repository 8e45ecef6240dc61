// The hall's API, apart from HTTP: each handler takes what the request said and gives the
// status and body to answer with. The HTTP routes (http_routes.h), the tests and the fuzz
// target all call these.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "hall/hall_store.h"
#include "hall/rate_limit.h"

namespace stonewick::hall {

struct HallLimits {
  std::size_t bodyBytes = std::size_t{8} << 20;  // a recording over this is refused (413)
  double uploadsPerMinute = 30;                  // per address; 0 for no limit
  double uploadBurst = 10;
};

struct HallRequest {
  std::string address = {};  // the client's address, for the rate limit
  std::string contentType = {};
  std::string authorization = {};
  std::multimap<std::string, std::string> query = {};
  std::string body = {};
};

struct HallResponse {
  int status = 200;
  std::string contentType = "application/json";
  std::string body = {};
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

  // Whether an upload from `address` may be read at all (the routes ask before the body).
  bool AllowUpload(const std::string& address) { return rateLimit_.Allow(address, nowMs_()); }
  const HallLimits& limits() const { return limits_; }

  static std::int64_t SystemNowMs();

 private:
  HallResponse Upload(const HallRequest& request);

  HallStore& store_;
  HallLimits limits_;
  std::function<std::int64_t()> nowMs_;
  RateLimit rateLimit_;
};

// {"error": message}, or with "line" too for a recording's fault.
HallResponse ErrorResponse(int status, std::string_view message);

}  // namespace stonewick::hall
