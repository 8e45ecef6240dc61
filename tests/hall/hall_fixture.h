// The hall's tests run against whichever database the environment names: PostgreSQL when
// HALL_TEST_POSTGRES_URL is set (tests/hall/with_postgres.sh sets it), else a fresh SQLite
// file. Each test starts from an empty hall, with the API's clock on 2026-12-08.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "hall/hall_api.h"
#include "hall/hall_store.h"

namespace stonewick::hall {

// The URL of the test database, emptied; a new SQLite file when no PostgreSQL is given.
std::string FreshDatabaseUrl();
bool OnPostgres();

// A cached game of the given plan's seed (making games is quick, but not free).
const std::string& Game(unsigned seed, int skips = 0, std::int64_t playMs = 20'000);

// A JSON field's value as the answer wrote it: a number's digits, or a string's text.
std::optional<std::string> Field(const std::string& json, const std::string& key);
// The answer without its "token" field.
std::string WithoutToken(std::string json);

class HallTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HallResponse Upload(const std::string& player, const std::string& recording,
                      const std::string& token = "", const std::string& contentType = "text/plain");
  // Uploads a game as a new player and returns the player's token.
  std::string Register(const std::string& player, const std::string& recording);
  HallResponse List(const std::string& query);
  // The ids a listing gave, in order, as "1,3,2".
  std::string ListedIds(const std::string& query);

  std::int64_t nowMs_ = 1'796'739'511'000;  // 2026-12-08 14:18:31 UTC
  HallLimits limits_;
  std::string url_;
  std::unique_ptr<HallStore> store_;
  std::unique_ptr<HallApi> api_;
};

}  // namespace stonewick::hall
