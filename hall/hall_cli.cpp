// GNU-style options: --name VALUE or --name=VALUE, --help, --version.
#include "hall/hall_cli.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

#ifndef STONEWICK_VERSION
#error "STONEWICK_VERSION comes from the project version (hall/CMakeLists.txt)"
#endif

namespace stonewick::hall {
namespace {

constexpr std::string_view kUsage =
    "Usage: stonewick-hall [OPTION]...\n"
    "Serves the hall of verified Stonewick games: uploaded recordings are replayed through\n"
    "the game's rules and ranked only when every checkpoint matches.\n"
    "\n"
    "  --listen ADDR:PORT        where to listen (default 127.0.0.1:8100; port 0 picks a\n"
    "                            free one, printed on standard output)\n"
    "  --db URL                  postgresql://... or a SQLite file (sqlite:PATH or PATH;\n"
    "                            default $XDG_DATA_HOME/stonewick/hall.sqlite)\n"
    "  --site DIR                serve DIR: the game's page at / and the hall at /hall\n"
    "  --max-body BYTES          largest recording taken (default 8388608)\n"
    "  --uploads-per-minute N    uploads per address and minute, 0 for no limit (default 30)\n"
    "  --upload-seconds N        time an upload's body may take to arrive (default 30)\n"
    "  --spectators N            live games watched at once (default 4)\n"
    "  --help                    show this help and exit\n"
    "  --version                 show the version and exit\n"
    "\n"
    "The API is described in the manual page stonewick-hall(6).\n"
    "Exit status: 0 when stopped by SIGINT or SIGTERM; 1 when the database or the address\n"
    "cannot be opened; 2 for bad usage.\n";

constexpr std::string_view kTryHelp = " (try 'stonewick-hall --help')\n";

std::optional<long long> Number(std::string_view text, long long least, long long most) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < least || value > most) {
    return std::nullopt;
  }
  return value;
}

// "HOST:PORT" or "[IPv6]:PORT".
bool ParseListen(std::string_view text, HallOptions& options) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos || colon == 0) {
    return false;
  }
  std::string_view host = text.substr(0, colon);
  if (host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  const auto port = Number(text.substr(colon + 1), 0, 65535);
  if (!port || host.empty()) {
    return false;
  }
  options.host = host;
  options.port = static_cast<int>(*port);
  return true;
}

}  // namespace

std::string DefaultDatabasePath() {
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  const std::string base = data != nullptr && *data != '\0'
                               ? std::string(data)
                               : std::string(home != nullptr ? home : ".") + "/.local/share";
  return base + "/stonewick/hall.sqlite";
}

std::optional<HallOptions> ParseHallOptions(std::span<char* const> args, std::ostream& out,
                                            std::ostream& err, int& status) {
  HallOptions options;
  status = 2;
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg == "--help") {
      out << kUsage;
      status = 0;
      return std::nullopt;
    }
    if (arg == "--version") {
      out << "stonewick-hall " << STONEWICK_VERSION << '\n';
      status = 0;
      return std::nullopt;
    }
    std::string_view name = arg;
    std::optional<std::string_view> value;
    if (const std::size_t equals = arg.find('='); arg.starts_with("--") && equals != arg.npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    const bool known = name == "--listen" || name == "--db" || name == "--site" ||
                       name == "--max-body" || name == "--uploads-per-minute" ||
                       name == "--upload-seconds" || name == "--spectators";
    if (!known) {
      err << "stonewick-hall: unrecognized option '" << arg << "'" << kTryHelp;
      return std::nullopt;
    }
    if (!value) {
      if (i + 1 >= args.size()) {
        err << "stonewick-hall: option '" << name << "' requires an argument" << kTryHelp;
        return std::nullopt;
      }
      value = args[++i];
    }
    auto bad = [&](std::string_view what) {
      err << "stonewick-hall: " << name << ": " << what << ", not '" << *value << "'" << kTryHelp;
      return std::nullopt;
    };
    if (name == "--listen") {
      if (!ParseListen(*value, options)) {
        return bad("ADDR:PORT expected");
      }
    } else if (name == "--db") {
      options.databaseUrl = *value;
    } else if (name == "--site") {
      options.site.siteDir = *value;
    } else if (name == "--max-body") {
      const auto bytes = Number(*value, 1, 1LL << 30);
      if (!bytes) {
        return bad("a number of bytes from 1 to 1073741824 expected");
      }
      options.limits.bodyBytes = static_cast<std::size_t>(*bytes);
    } else if (name == "--uploads-per-minute") {
      const auto count = Number(*value, 0, 1'000'000);
      if (!count) {
        return bad("a number from 0 to 1000000 expected");
      }
      options.limits.uploadsPerMinute = static_cast<double>(*count);
      options.limits.uploadBurst = std::max(1.0, static_cast<double>(*count) / 3);
    } else if (name == "--spectators") {
      const auto count = Number(*value, 0, 1000);
      if (!count) {
        return bad("a number from 0 to 1000 expected");
      }
      options.site.spectators = static_cast<int>(*count);
    } else {
      const auto seconds = Number(*value, 1, 3600);
      if (!seconds) {
        return bad("a number of seconds from 1 to 3600 expected");
      }
      options.site.bodySeconds = static_cast<int>(*seconds);
    }
  }
  if (options.databaseUrl.empty()) {
    options.databaseUrl = DefaultDatabasePath();
  }
  status = 0;
  return options;
}

}  // namespace stonewick::hall
