// The hall's games in one SQLite file: one connection, one writer at a time, write-ahead
// logging with full syncs so that every acknowledged game survives a crash.
#pragma once

#include <memory>
#include <string>

#include "hall/hall_store.h"

namespace stonewick::hall {

std::unique_ptr<HallStore> OpenSqliteStore(const std::string& path);

}  // namespace stonewick::hall
