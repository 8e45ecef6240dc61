// Version 1: players with their token's hash, and checked games with their recordings.
// Version 2: the day of a daily game. Version 3: whether a game is ranked (a live game
// played slower than the hall's clock is not). Never edit a step once released; add a new one.
#include "hall/migrations.h"

#include <array>

namespace stonewick::hall {
namespace {

constexpr std::array<std::string_view, 3> kSqlite = {
    R"(CREATE TABLE players (
         name TEXT PRIMARY KEY,
         token_hash TEXT NOT NULL,
         created_at INTEGER NOT NULL);
       CREATE TABLE games (
         id INTEGER PRIMARY KEY AUTOINCREMENT,
         player TEXT NOT NULL REFERENCES players(name),
         level INTEGER NOT NULL,
         kills INTEGER NOT NULL,
         time_ms INTEGER NOT NULL,
         checkpoints INTEGER NOT NULL,
         uploaded_at INTEGER NOT NULL,
         fingerprint TEXT NOT NULL UNIQUE,
         recording BLOB NOT NULL);
       CREATE INDEX games_by_level ON games (level DESC, kills DESC, time_ms);
       CREATE INDEX games_by_player ON games (player);)",
    R"(ALTER TABLE games ADD COLUMN day TEXT;
       CREATE INDEX games_by_day ON games (day);)",
    R"(ALTER TABLE games ADD COLUMN ranked INTEGER NOT NULL DEFAULT 1;)",
};

constexpr std::array<std::string_view, 3> kPostgres = {
    R"(CREATE TABLE players (
         name TEXT PRIMARY KEY,
         token_hash TEXT NOT NULL,
         created_at BIGINT NOT NULL);
       CREATE TABLE games (
         id BIGSERIAL PRIMARY KEY,
         player TEXT NOT NULL REFERENCES players(name),
         level INTEGER NOT NULL,
         kills INTEGER NOT NULL,
         time_ms BIGINT NOT NULL,
         checkpoints BIGINT NOT NULL,
         uploaded_at BIGINT NOT NULL,
         fingerprint TEXT NOT NULL UNIQUE,
         recording BYTEA NOT NULL);
       CREATE INDEX games_by_level ON games (level DESC, kills DESC, time_ms);
       CREATE INDEX games_by_player ON games (player);)",
    R"(ALTER TABLE games ADD COLUMN day TEXT;
       CREATE INDEX games_by_day ON games (day);)",
    R"(ALTER TABLE games ADD COLUMN ranked INTEGER NOT NULL DEFAULT 1;)",
};

}  // namespace

std::span<const std::string_view> SqliteMigrations() {
  return kSqlite;
}
std::span<const std::string_view> PostgresMigrations() {
  return kPostgres;
}

}  // namespace stonewick::hall
