// The schema's versions, oldest first: a database at version N has run the first N steps, and
// opening it runs the rest, each step in one transaction with its new version number.
#pragma once

#include <span>
#include <string_view>

namespace stonewick::hall {

std::span<const std::string_view> SqliteMigrations();
std::span<const std::string_view> PostgresMigrations();

}  // namespace stonewick::hall
