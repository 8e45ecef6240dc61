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
    "id, player, level, kills, time_ms, checkpoints, uploaded_at, COALESCE(day, ''), ranked";

// Storing a game: $1 to $10 are the player, level, kills, time, checkpoints, upload time,
// fingerprint, recording, day ('' for none) and ranked (1 or 0).
inline constexpr const char* kInsertGame =
    "INSERT INTO games (player, level, kills, time_ms, checkpoints, uploaded_at, fingerprint, "
    "recording, day, ranked) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, NULLIF($9, ''), $10)";
// Takes a free name for a token's hash, the same SQL in both databases: a row comes back only
// when the name was free.
inline constexpr const char* kClaimName =
    "INSERT INTO players (name, token_hash, created_at) VALUES ($1, $2, $3) "
    "ON CONFLICT (name) DO NOTHING RETURNING name";

ListingSql ListingQuery(const GameQuery& query);

}  // namespace stonewick::hall
