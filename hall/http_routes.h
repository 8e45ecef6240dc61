// The hall's HTTP server: the API's routes on cpp-httplib, the page and the hall page from the
// site folder, and the bounds every request meets before its body is read.
#pragma once

#include <httplib.h>

#include <string>

#include "hall/hall_api.h"

namespace stonewick::hall {

struct SiteOptions {
  std::string siteDir;   // served at / (the game) and /hall/ (the hall); none when empty
  int bodySeconds = 30;  // an upload's body must arrive within this
  int spectators = 4;    // live games watched at once (each holds one of the threads)
};

void AddRoutes(httplib::Server& server, HallApi& api, const SiteOptions& site);

}  // namespace stonewick::hall
