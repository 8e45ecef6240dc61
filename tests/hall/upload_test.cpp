// Uploads that the hall takes, what it answers and lists, on SQLite or PostgreSQL.
#include <gtest/gtest.h>

#include <regex>

#include "hall/daily_board.h"
#include "hall/secrets.h"
#include "tests/hall/game_maker.h"
#include "tests/hall/hall_fixture.h"

namespace stonewick::hall {
namespace {

// What a recording says of itself: its recorded time, what it compares, and the kills its
// final state shows.
struct RecordingFigures {
  std::int64_t timeMs = 0;
  std::int64_t compared = 0;
  std::string kills;
};
RecordingFigures FiguresOf(const std::string& recording) {
  RecordingFigures figures;
  std::istringstream lines(recording);
  const std::regex finalState("^#= state .* kills ([0-9]+) .*");
  std::smatch match;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("wait ")) {
      figures.timeMs += std::stoll(line.substr(5));
    }
    // Each checkpoint, and each dump with the state written after it.
    figures.compared += line.starts_with("#~ ") || line == "dump";
    if (std::regex_match(line, match, finalState)) {
      figures.kills = match[1];
    }
  }
  return figures;
}

using UploadTest = HallTest;

TEST_F(UploadTest, StoresACheckedGameAndAnswersWhatItReached) {
  const std::string& game = Game(1, 2);
  const HallResponse answer = Upload("Anna", game);
  const RecordingFigures figures = FiguresOf(game);
  EXPECT_EQ(answer.status, 201);
  EXPECT_EQ(WithoutToken(answer.body),
            "{\"id\":1,\"player\":\"Anna\",\"level\":3,\"kills\":" + figures.kills +
                ",\"time_ms\":" + std::to_string(figures.timeMs) + ",\"checkpoints\":" +
                std::to_string(figures.compared) + ",\"uploaded_at\":1796739511}");
  EXPECT_EQ(Field(answer.body, "token")->size(), 64u);
}

TEST_F(UploadTest, GivesBackTheGameAndItsRecordingAsStored) {
  const HallResponse answer = Upload("Anna", Game(1));
  EXPECT_EQ(api_->GetGame("1").body, WithoutToken(answer.body));
  const HallResponse recording = api_->GetRecording("1");
  EXPECT_EQ(recording.status, 200);
  EXPECT_EQ(recording.contentType, "text/plain; charset=utf-8");
  EXPECT_EQ(recording.body, Game(1));
  EXPECT_EQ(api_->GetGame("2").status, 404);
  EXPECT_EQ(api_->GetRecording("x").status, 404);
}

TEST_F(UploadTest, TakesLaterGamesUnderANameOnlyWithItsToken) {
  const std::string token = Register("Anna", Game(1));
  EXPECT_EQ(Upload("Anna", Game(2)).status, 401);
  const HallResponse answer = Upload("Anna", Game(2), token);
  EXPECT_EQ(answer.status, 201);
  EXPECT_EQ(Field(answer.body, "token"), std::nullopt);  // said once only
  EXPECT_EQ(store_->CountGames(), 2);
}

TEST_F(UploadTest, KeepsTheTokenOnlyAsItsHash) {
  const std::string token = Register("Anna", Game(1));
  EXPECT_EQ(store_->TokenHashOf("Anna"), Sha256Hex(token));
  EXPECT_NE(Sha256Hex(token), token);
}

TEST_F(UploadTest, TakesNamesInAnyScript) {
  unsigned seed = 1;
  for (const char* name : {"J\xc3\xb6rg", "\xd0\x9f\xd1\x91\xd1\x82\xd1\x80",
                           "\xe6\x9d\x8e\xe9\x9b\xb7", "a b-c_d 42", "abcdefghijklmnopqrstuvwx"}) {
    EXPECT_EQ(Upload(name, Game(seed++)).status, 201) << name;
  }
}

TEST_F(UploadTest, RefusesAChangedCheckpointNamingItsLine) {
  std::uint64_t line = 0;
  const std::string changed = WithChangedCheckpoint(Game(1), 10, line);
  const HallResponse answer = Upload("Anna", changed);
  EXPECT_EQ(answer.status, 422);
  EXPECT_EQ(Field(answer.body, "line"), std::to_string(line));
  EXPECT_TRUE(answer.body.starts_with("{\"error\":\"stonewick-hall: line " + std::to_string(line)))
      << answer.body;
  EXPECT_EQ(store_->CountGames(), 0);
}

TEST_F(UploadTest, RefusesAGameThatDoesNotEnd) {
  const std::string unended = MakeGame({.seed = 1, .playMs = 5'000, .exit = false});
  EXPECT_EQ(Upload("Anna", unended).body,
            "{\"error\":\"the game does not end: a recording for the hall ends at game over or "
            "Exit\",\"line\":0}");
}

TEST_F(UploadTest, ListsTheBestByLevelThenKillsThenTime) {
  const std::string token = Register("Anna", Game(1, 0));  // id 1: level 1
  Upload("Anna", Game(2, 2), token);                       // id 2: level 3
  Upload("Anna", Game(3, 1), token);                       // id 3: level 2
  Upload("Anna", Game(4, 2, 8'000), token);                // id 4: level 3, quicker
  EXPECT_EQ(ListedIds("by=level").substr(0, 3), "4,2");
  EXPECT_EQ(ListedIds("by=level").substr(4), "3,1");
  EXPECT_EQ(ListedIds("by=level&limit=2"), "4,2");
}

TEST_F(UploadTest, ListsTheLongestGamesByTime) {
  const std::string token = Register("Anna", Game(1, 0, 10'000));
  Upload("Anna", Game(2, 0, 30'000), token);
  Upload("Anna", Game(3, 0, 20'000), token);
  EXPECT_EQ(ListedIds("by=time"), "2,3,1");
}

TEST_F(UploadTest, ListsEachPlayersBestOnceAndOnePlayersGames) {
  const std::string anna = Register("Anna", Game(1, 0));
  Upload("Anna", Game(2, 2), anna);
  Register("Bob", Game(3, 1));
  EXPECT_EQ(ListedIds("by=level&best=player"), "2,3");
  EXPECT_EQ(ListedIds("player=Anna"), "2,1");
  EXPECT_EQ(ListedIds("player=Nobody"), "");
}

TEST_F(UploadTest, RefusesListingsItCannotGive) {
  for (const char* query : {"by=score", "limit=0", "limit=101", "limit=-1", "limit=x",
                            "player=%3Cb%3E", "by=level&by=kills", "daily=2026-13-01"}) {
    EXPECT_EQ(List(query).status, 400) << query;
  }
}

TEST_F(UploadTest, KeepsItsGamesWhenOpenedAgain) {
  Register("Anna", Game(1));
  store_.reset();
  store_ = OpenStore(url_);
  EXPECT_EQ(store_->CountGames(), 1);
  EXPECT_EQ(store_->FindGame(1)->player, "Anna");
}

TEST_F(UploadTest, GivesTodaysSeed) {
  EXPECT_EQ(api_->Daily().body,
            "{\"day\":\"2026-12-08\",\"seed\":" + std::to_string(DailySeed("2026-12-08")) + "}");
}

TEST_F(UploadTest, TakesADailyGameOnlyWithTheDaysReadings) {
  const std::string day = "2026-12-08";
  std::string ownDay =
      MakeGame({.seed = 5, .playMs = 4'000, .skips = 1, .reading = DailySeed(day)});
  std::string otherDay =
      MakeGame({.seed = 5, .playMs = 4'000, .skips = 1, .reading = DailySeed("2026-12-07")});
  HallRequest request{.address = "127.0.0.1",
                      .contentType = "text/plain",
                      .query = {{"player", "Anna"}, {"daily", day}},
                      .body = otherDay};
  EXPECT_EQ(api_->PostGame(request).status, 422);
  request.body = ownDay;
  const HallResponse answer = api_->PostGame(request);
  EXPECT_EQ(answer.status, 201);
  EXPECT_EQ(Field(answer.body, "daily"), day);
  EXPECT_EQ(ListedIds("daily=" + day), "1");
  request.query = {{"player", "Bob"}, {"daily", "2026-12-01"}};
  EXPECT_EQ(api_->PostGame(request).status, 400);
}

TEST_F(UploadTest, AnswersUnavailableWhileTheDatabaseIsAwayAndServesWhenItIsBack) {
  if (!OnPostgres()) {
    GTEST_SKIP() << "SQLite is a file: it is never away";
  }
  const std::string token = Register("Anna", Game(1));
  ASSERT_EQ(std::system(std::getenv("HALL_TEST_POSTGRES_STOP")), 0);
  EXPECT_EQ(Upload("Anna", Game(2), token).status, 503);
  EXPECT_EQ(List("").status, 503);
  ASSERT_EQ(std::system(std::getenv("HALL_TEST_POSTGRES_START")), 0);
  EXPECT_EQ(Upload("Anna", Game(2), token).status, 201);
  EXPECT_EQ(store_->CountGames(), 2);
}

}  // namespace
}  // namespace stonewick::hall
