// The command line of stonewick-hall: where to listen, which database, which site, the limits.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "hall/hall_api.h"
#include "hall/http_routes.h"

namespace stonewick::hall {

struct HallOptions {
  std::string host = "127.0.0.1";
  int port = 8100;  // 0: any free port, said on standard output
  std::string databaseUrl;
  SiteOptions site;
  HallLimits limits;
};

// The options, or none after --help/--version (status 0) or a bad command line (status 2,
// one line on `err`); `status` says which.
std::optional<HallOptions> ParseHallOptions(std::span<char* const> args, std::ostream& out,
                                            std::ostream& err, int& status);

// $XDG_DATA_HOME/stonewick/hall.sqlite, or ~/.local/share/stonewick/hall.sqlite.
std::string DefaultDatabasePath();

}  // namespace stonewick::hall
