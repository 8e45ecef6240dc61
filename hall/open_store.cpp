// Which database a --db URL names.
#include "hall/hall_store.h"
#include "hall/postgres_store.h"
#include "hall/sqlite_store.h"

namespace stonewick::hall {

std::unique_ptr<HallStore> OpenStore(const std::string& url) {
  if (url.starts_with("postgresql://") || url.starts_with("postgres://")) {
    return OpenPostgresStore(url);
  }
  constexpr std::string_view kSqlite = "sqlite:";
  if (url.starts_with(kSqlite)) {
    return OpenSqliteStore(url.substr(kSqlite.size()));
  }
  return OpenSqliteStore(url);
}

}  // namespace stonewick::hall
