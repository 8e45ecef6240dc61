// Where the hall keeps its players and games: one small interface, with SQLite (a single file,
// the default) and PostgreSQL (several hall servers in front of one database) behind it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace stonewick::hall {

// The database cannot be reached now; the request may be tried again later.
class StoreUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A checked game, as stored and as listed.
struct GameRecord {
  std::int64_t id = 0;
  std::string player = {};
  std::int32_t level = 0;
  std::int32_t kills = 0;
  std::int64_t timeMs = 0;
  std::int64_t checkpoints = 0;
  std::int64_t uploadedAt = 0;  // seconds since 1970 (UTC)
  std::string day = {};         // "YYYY-MM-DD" for a daily game, empty otherwise
  bool ranked = true;           // false for a live game slower than the hall's clock
};

struct NewGame {
  GameRecord game;           // all but the id
  std::string fingerprint;   // RecordingFingerprint: the same game twice is refused
  std::string recording;     // the upload as it came
  std::string tokenHash;     // the hash of the token the upload carried, or empty
  std::string newTokenHash;  // the hash to keep when the name is new
};

enum class AddResult {
  Added,       // stored; `newPlayer` says whether the name was taken now
  WrongToken,  // the name is someone's and the token is not theirs (or missing)
  Duplicate,   // this game is stored already
};

struct AddOutcome {
  AddResult result = AddResult::Added;
  std::int64_t id = 0;
  bool newPlayer = false;
};

enum class GameOrder { Level, Kills, Time };

struct GameQuery {
  GameOrder order = GameOrder::Level;
  std::int64_t limit = 20;
  std::optional<std::string> player = {};
  std::optional<std::string> day = {};
  bool bestOfEachPlayer = false;  // one game per player: their best in this order
  bool withUnranked = false;      // the unranked games too
};

class HallStore {
 public:
  virtual ~HallStore() = default;
  // The hash of the token that owns `name`, or none for a free name.
  virtual std::optional<std::string> TokenHashOf(const std::string& name) = 0;
  // Stores a game in one transaction: the player when new, then the game. Nothing is written
  // unless all of it is.
  virtual AddOutcome AddGame(const NewGame& upload) = 0;
  // Takes the name for the token whose hash is `tokenHash`, at `at` (seconds since 1970), when
  // it is free; false when it is someone's already.
  virtual bool ClaimName(const std::string& name, const std::string& tokenHash,
                         std::int64_t at) = 0;
  virtual std::vector<GameRecord> ListGames(const GameQuery& query) = 0;
  virtual std::optional<GameRecord> FindGame(std::int64_t id) = 0;
  virtual std::optional<std::string> RecordingOf(std::int64_t id) = 0;
  virtual std::int64_t CountGames() = 0;
  virtual std::int64_t CountPlayers() = 0;
};

// "postgresql://..." or "postgres://..." opens PostgreSQL; "sqlite:PATH", a plain path or
// ":memory:" opens SQLite. Either is brought to the newest schema first.
std::unique_ptr<HallStore> OpenStore(const std::string& url);

// The ORDER BY of a listing, the same SQL in both databases.
const char* OrderClause(GameOrder order);

}  // namespace stonewick::hall
