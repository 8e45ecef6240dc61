// Hostile uploads: each is refused with its own 4xx and leaves the hall as it was.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "tests/hall/game_maker.h"
#include "tests/hall/hall_fixture.h"

namespace stonewick::hall {
namespace {

// What the hall holds: its players, and every game in order with its figures.
std::string Snapshot(HallStore& store) {
  std::string text = std::to_string(store.CountPlayers()) + " players;";
  for (const GameRecord& game : store.ListGames({.limit = 1000})) {
    text += " " + std::to_string(game.id) + ":" + game.player + ":" + std::to_string(game.level);
  }
  return text;
}

struct Tokens {
  std::string anna;
  std::string bob;
};

struct HostileUpload {
  const char* name;
  int status;
  std::function<HallRequest(const Tokens&)> request;
};

HallRequest As(const std::string& player, std::string body, const std::string& token = "") {
  return {.address = "127.0.0.1",
          .contentType = "text/plain; charset=utf-8",
          .authorization = token.empty() ? "" : "Bearer " + token,
          .query = {{"player", player}},
          .body = std::move(body)};
}

std::string Lines(const std::string& line, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += line;
  }
  return text;
}

std::string WithoutStateLines(const std::string& recording) {
  std::string kept;
  std::istringstream lines(recording);
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("#~ ") && !line.starts_with("#= ")) {
      kept += line + "\n";
    }
  }
  return kept;
}

std::string Binary() {
  std::mt19937 draw(7);
  std::string bytes(4096, '\0');
  for (char& byte : bytes) {
    byte = static_cast<char>(draw());
  }
  return bytes;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

const std::string& Fresh() {
  return Game(9);
}  // a game not in the hall yet

const HostileUpload kHostileUploads[] = {
    {"HugeBody", 413, [](const Tokens&) { return As("Cleo", std::string((8 << 20) + 1, 'x')); }},
    {"TenMegabyteLine", 413,
     [](const Tokens&) { return As("Cleo", "wait " + std::string(10 << 20, '1') + "\n"); }},
    {"LineLongerThanAScriptTakes", 422,
     [](const Tokens&) { return As("Cleo", "wait " + std::string(5 << 20, '1') + "\n"); }},
    {"DeepNesting", 422,
     [](const Tokens&) {
       return As("Cleo", "manual\nkey 39\n" + std::string(100'000, '>') + "1 tick\n#~ 00000000\n");
     }},
    {"Binary", 422, [](const Tokens&) { return As("Cleo", Binary()); }},
    {"AYearOfWaits", 422,
     [](const Tokens&) { return As("Cleo", Lines("wait 86400000\n#~ 00000000\n", 366)); }},
    {"Empty", 422, [](const Tokens&) { return As("Cleo", ""); }},
    {"UnknownCommand", 422, [](const Tokens&) { return As("Cleo", "hack 1\n" + Fresh()); }},
    {"CheckpointThatIsNotOne", 422,
     [](const Tokens&) { return As("Cleo", "key 39\n#~ zzzzzzzz\n" + Fresh()); }},
    {"ChangedCheckpoint", 422,
     [](const Tokens&) {
       std::uint64_t line = 0;
       return As("Cleo", WithChangedCheckpoint(Fresh(), 3, line));
     }},
    {"ChangedFinalState", 422,
     [](const Tokens&) { return As("Cleo", Replaced(Fresh(), "#= state ", "#= state 9")); }},
    {"NoCheckpoints", 422, [](const Tokens&) { return As("Cleo", WithoutStateLines(Fresh())); }},
    {"GameThatDoesNotEnd", 422,
     [](const Tokens&) { return As("Cleo", Fresh().substr(0, Fresh().find("dump\n"))); }},
    {"ReplayedUpload", 409, [](const Tokens& tokens) { return As("Anna", Game(1), tokens.anna); }},
    {"ReplayedUploadWithANewHeader", 409,
     [](const Tokens& tokens) { return As("Anna", "# mine, honestly\n" + Game(1), tokens.anna); }},
    {"ReplayedUploadUnderANewName", 409, [](const Tokens&) { return As("Cleo", Game(2)); }},
    {"WrongToken", 401, [](const Tokens&) { return As("Anna", Fresh(), std::string(64, 'a')); }},
    {"MissingToken", 401, [](const Tokens&) { return As("Anna", Fresh()); }},
    {"AnotherPlayersToken", 401,
     [](const Tokens& tokens) { return As("Anna", Fresh(), tokens.bob); }},
    {"TokenNotAsBearer", 401,
     [](const Tokens& tokens) {
       HallRequest request = As("Anna", Fresh());
       request.authorization = "Basic " + tokens.anna;
       return request;
     }},
    {"InvalidUtf8Name", 400, [](const Tokens&) { return As("\xff\xfe", Fresh()); }},
    {"OverlongUtf8Name", 400, [](const Tokens&) { return As("a\xc0\xaf", Fresh()); }},
    {"SurrogateInName", 400, [](const Tokens&) { return As("\xed\xa0\x80", Fresh()); }},
    {"HtmlName", 400, [](const Tokens&) { return As("<b>Anna</b>", Fresh()); }},
    {"SqlName", 400, [](const Tokens&) { return As("x'); DROP TABLE games;--", Fresh()); }},
    {"NameWithANewLine", 400, [](const Tokens&) { return As("Anna\nBob", Fresh()); }},
    {"NameWithANul", 400, [](const Tokens&) { return As(std::string("Anna\0", 5), Fresh()); }},
    {"NameTooLong", 400, [](const Tokens&) { return As(std::string(25, 'a'), Fresh()); }},
    {"EmptyName", 400, [](const Tokens&) { return As("", Fresh()); }},
    {"NameStartingWithASpace", 400, [](const Tokens&) { return As(" Anna", Fresh()); }},
    {"NoName", 400,
     [](const Tokens&) {
       HallRequest request = As("Cleo", Fresh());
       request.query.clear();
       return request;
     }},
    {"TwoNames", 400,
     [](const Tokens&) {
       HallRequest request = As("Cleo", Fresh());
       request.query.emplace("player", "Dora");
       return request;
     }},
    {"WrongContentType", 415,
     [](const Tokens&) {
       HallRequest request = As("Cleo", Fresh());
       request.contentType = "application/json";
       return request;
     }},
    {"NoContentType", 415,
     [](const Tokens&) {
       HallRequest request = As("Cleo", Fresh());
       request.contentType.clear();
       return request;
     }},
    {"DailyOfAnotherDay", 400,
     [](const Tokens&) {
       HallRequest request = As("Cleo", Fresh());
       request.query.emplace("daily", "2026-11-30");
       return request;
     }},
    {"DailyWithoutTheDaysReadings", 422,
     [](const Tokens&) {
       HallRequest request = As("Cleo", Fresh());
       request.query.emplace("daily", "2026-12-08");
       return request;
     }},
};

class HostileUploadTest : public HallTest, public ::testing::WithParamInterface<HostileUpload> {};

TEST_P(HostileUploadTest, IsRefusedAndLeavesTheHallAsItWas) {
  const Tokens tokens{.anna = Register("Anna", Game(1)), .bob = Register("Bob", Game(2))};
  const std::string before = Snapshot(*store_);
  const HallResponse answer = api_->PostGame(GetParam().request(tokens));
  EXPECT_EQ(answer.status, GetParam().status) << answer.body;
  EXPECT_TRUE(answer.body.starts_with("{\"error\":\"")) << answer.body;
  EXPECT_EQ(Snapshot(*store_), before);
  EXPECT_EQ(store_->TokenHashOf("Cleo"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Hall, HostileUploadTest, ::testing::ValuesIn(kHostileUploads),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace stonewick::hall
