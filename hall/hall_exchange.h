// What a request to the hall said and what the hall answers, apart from HTTP: the values that
// the handlers (hall_api.h) and their words (api_words.h) pass around.
#pragma once

#include <map>
#include <string>

namespace stonewick::hall {

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

}  // namespace stonewick::hall
