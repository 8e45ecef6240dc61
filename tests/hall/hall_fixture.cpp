// Fresh databases, cached games and small readers of the API's answers for the hall's tests.
#include "tests/hall/hall_fixture.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <map>
#include <regex>

#include "tests/hall/game_maker.h"

namespace stonewick::hall {

bool OnPostgres() {
  return std::getenv("HALL_TEST_POSTGRES_URL") != nullptr;
}

std::string FreshDatabaseUrl() {
  if (const char* url = std::getenv("HALL_TEST_POSTGRES_URL")) {
    PGconn* connection = PQconnectdb(url);
    PGresult* result = PQexec(connection, "DROP SCHEMA public CASCADE; CREATE SCHEMA public;");
    const bool emptied = PQresultStatus(result) == PGRES_COMMAND_OK;
    PQclear(result);
    PQfinish(connection);
    if (!emptied) {
      throw std::runtime_error("cannot empty the test database");
    }
    return url;
  }
  static int made = 0;
  const auto path =
      std::filesystem::temp_directory_path() / ("stonewick-hall-test-" + std::to_string(getpid()) +
                                                "-" + std::to_string(made++) + ".sqlite");
  for (const char* suffix : {"", "-wal", "-shm"}) {
    std::filesystem::remove(path.string() + suffix);
  }
  return path.string();
}

const std::string& Game(unsigned seed, int skips, std::int64_t playMs) {
  static std::map<std::tuple<unsigned, int, std::int64_t>, std::string> games;
  auto [at, added] = games.try_emplace({seed, skips, playMs});
  if (added) {
    at->second = MakeGame({.seed = seed, .playMs = playMs, .skips = skips});
  }
  return at->second;
}

std::optional<std::string> Field(const std::string& json, const std::string& key) {
  const std::regex field("\"" + key + "\":(\"([^\"]*)\"|(-?[0-9]+))");
  std::smatch match;
  if (!std::regex_search(json, match, field)) {
    return std::nullopt;
  }
  return match[2].matched ? match[2].str() : match[3].str();
}

std::string WithoutToken(std::string json) {
  return std::regex_replace(json, std::regex(",\"token\":\"[0-9a-f]*\""), "");
}

void HallTest::SetUp() {
  url_ = FreshDatabaseUrl();
  store_ = OpenStore(url_);
  api_ = std::make_unique<HallApi>(*store_, limits_, [this] { return nowMs_; });
}

void HallTest::TearDown() {
  api_.reset();
  store_.reset();
  if (!OnPostgres()) {
    for (const char* suffix : {"", "-wal", "-shm"}) {
      std::filesystem::remove(url_ + suffix);
    }
  }
}

HallResponse HallTest::Upload(const std::string& player, const std::string& recording,
                              const std::string& token, const std::string& contentType) {
  HallRequest request{.address = "127.0.0.1",
                      .contentType = contentType,
                      .authorization = token.empty() ? "" : "Bearer " + token,
                      .query = {{"player", player}},
                      .body = recording};
  return api_->PostGame(request);
}

std::string HallTest::Register(const std::string& player, const std::string& recording) {
  const HallResponse answer = Upload(player, recording);
  EXPECT_EQ(answer.status, 201) << answer.body;
  return Field(answer.body, "token").value_or("");
}

HallResponse HallTest::List(const std::string& query) {
  HallRequest request;
  std::size_t at = 0;
  while (at < query.size()) {
    const std::size_t end = std::min(query.find('&', at), query.size());
    const std::string pair = query.substr(at, end - at);
    const std::size_t equals = pair.find('=');
    request.query.emplace(pair.substr(0, equals), pair.substr(equals + 1));
    at = end + 1;
  }
  return api_->ListGames(request);
}

std::string HallTest::ListedIds(const std::string& query) {
  const std::string body = List(query).body;
  std::string ids;
  const std::regex id("\"id\":([0-9]+)");
  for (auto it = std::sregex_iterator(body.begin(), body.end(), id); it != std::sregex_iterator();
       ++it) {
    ids += (ids.empty() ? "" : ",") + (*it)[1].str();
  }
  return ids;
}

}  // namespace stonewick::hall
