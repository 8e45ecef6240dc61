// The SQL of a listing of games, shared by both databases: both number their parameters $1,
// $2, ... in the order they appear, and both have window functions for each player's best.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "hall/hall_store.h"

namespace stonewick::hall {

using SqlValue = std::variant<std::string, std::int64_t>;

struct ListingSql {
  std::string text;
  std::vector<SqlValue> values;  // $1, $2, ... in order
};

// The columns every game row is read with, in this order.
inline constexpr const char* kGameColumns =
    "id, player, level, kills, time_ms, checkpoints, uploaded_at, COALESCE(day, '')";

ListingSql ListingQuery(const GameQuery& query);

}  // namespace stonewick::hall
