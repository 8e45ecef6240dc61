// Live games: streamed in whole lines under the game's own key, checked and stored at their
// end like any upload, and unranked when the hall's clock ran more than 2 % ahead of the game's.
// A free name is taken as the game starts.
#include <gtest/gtest.h>

#include "tests/hall/hall_fixture.h"

namespace stonewick::hall {
namespace {

class LiveTest : public HallTest {
 protected:
  HallRequest Request(const std::string& body, const std::string& key = "") {
    return {.address = "127.0.0.1",
            .contentType = "text/plain",
            .authorization = key.empty() ? "" : "Bearer " + key,
            .query = {{"player", "Anna"}},
            .body = body};
  }
  // Starts a live game with the first part of `game`; its id and key.
  std::pair<std::string, std::string> Start(const std::string& first) {
    const HallResponse started = api_->StartLive(Request(first));
    EXPECT_EQ(started.status, 201) << started.body;
    return {*Field(started.body, "live"), *Field(started.body, "key")};
  }
  // `game` cut after a whole line near its middle.
  static std::pair<std::string, std::string> Halves(const std::string& game) {
    const std::size_t cut = game.find('\n', game.size() / 2) + 1;
    return {game.substr(0, cut), game.substr(cut)};
  }
};

TEST_F(LiveTest, EndsInTheHallLikeAnUpload) {
  const auto [first, rest] = Halves(Game(1));
  const auto [id, key] = Start(first);
  EXPECT_EQ(api_->ListLive().body,
            "{\"live\":[{\"id\":1,\"player\":\"Anna\",\"started_at\":1796739511}]}");
  EXPECT_EQ(api_->LiveRecording(id).body, first);
  EXPECT_EQ(api_->AppendLive(id, Request(rest, key)).status, 200);
  EXPECT_EQ(api_->LiveRecording(id).body, Game(1));
  nowMs_ += 20'000;
  const HallResponse ended = api_->EndLive(id, Request("", key));
  EXPECT_EQ(ended.status, 201) << ended.body;
  EXPECT_EQ(Field(ended.body, "unranked"), std::nullopt);
  EXPECT_EQ(api_->GetRecording("1").body, Game(1));
  EXPECT_EQ(api_->ListLive().body, "{\"live\":[]}");
}

TEST_F(LiveTest, StoresAGamePlayedSlowerThanTheHallsClockUnranked) {
  const auto [id, key] = Start(Game(1));
  nowMs_ += 30'000;  // the game's 20 s took the hall 30 s
  const HallResponse ended = api_->EndLive(id, Request("", key));
  EXPECT_EQ(ended.status, 201);
  EXPECT_TRUE(ended.body.find("\"unranked\":true") != std::string::npos) << ended.body;
  EXPECT_EQ(ListedIds("by=level"), "");
  EXPECT_EQ(ListedIds("by=level&unranked=include"), "1");
}

TEST_F(LiveTest, RefusesLinesWithoutTheGamesKeyOrCutOrAfterItsEnd) {
  const auto [first, rest] = Halves(Game(1));
  const auto [id, key] = Start(first);
  EXPECT_EQ(api_->AppendLive(id, Request(rest, std::string(64, '0'))).status, 403);
  EXPECT_EQ(api_->AppendLive(id, Request("key 3", key)).status, 400);
  EXPECT_EQ(api_->AppendLive("99", Request(rest, key)).status, 404);
  EXPECT_EQ(api_->EndLive(id, Request("", key)).status, 422);  // half a game does not end
  EXPECT_EQ(api_->AppendLive(id, Request(rest, key)).status, 409);
  EXPECT_EQ(store_->CountGames(), 0);
}

TEST_F(LiveTest, StartsUnderANameOnlyWithItsToken) {
  Register("Anna", Game(2));
  EXPECT_EQ(api_->StartLive(Request("")).status, 401);
  EXPECT_EQ(api_->ListLive().body, "{\"live\":[]}");
}

TEST_F(LiveTest, TakesAFreeNameAsItStartsSoThatNobodyTakesItWhileItIsPlayed) {
  const HallResponse started = api_->StartLive(Request(""));
  ASSERT_EQ(started.status, 201) << started.body;
  const auto token = Field(started.body, "token");
  ASSERT_TRUE(token.has_value()) << started.body;
  EXPECT_EQ(Upload("Anna", Game(2)).status, 401);
  const std::string id = *Field(started.body, "live");
  const std::string key = *Field(started.body, "key");
  EXPECT_EQ(api_->AppendLive(id, Request(Game(1), key)).status, 200);
  nowMs_ += 20'000;
  const HallResponse ended = api_->EndLive(id, Request("", key));
  EXPECT_EQ(ended.status, 201) << ended.body;
  EXPECT_EQ(Field(ended.body, "token"), std::nullopt);
  EXPECT_EQ(Upload("Anna", Game(2), *token).status, 201);
  EXPECT_EQ(store_->CountPlayers(), 1);
}

}  // namespace
}  // namespace stonewick::hall
