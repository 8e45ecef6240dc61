// The hall's games in PostgreSQL through libpq, for a hall of several servers in front of one
// database: a small pool of connections, each upload one transaction.
#pragma once

#include <memory>
#include <string>

#include "hall/hall_store.h"

namespace stonewick::hall {

// Throws StoreUnavailable when the database cannot be reached.
std::unique_ptr<HallStore> OpenPostgresStore(const std::string& url);

}  // namespace stonewick::hall
