// SQLite behind the hall's store: prepared statements with every value bound, BEGIN IMMEDIATE
// around each upload so that checking the name and storing the game is one step.
#include "hall/sqlite_store.h"

#include <sqlite3.h>

#include <mutex>

#include "hall/game_listing.h"
#include "hall/migrations.h"
#include "hall/secrets.h"

namespace stonewick::hall {
namespace {

class SqliteError : public std::runtime_error {
 public:
  SqliteError(sqlite3* db, const std::string& what)
      : std::runtime_error("sqlite: " + what + ": " + sqlite3_errmsg(db)) {}
};

[[noreturn]] void Fail(sqlite3* db, int code, const std::string& what) {
  if (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_CANTOPEN ||
      code == SQLITE_FULL || code == SQLITE_IOERR) {
    throw StoreUnavailable(SqliteError(db, what).what());
  }
  throw SqliteError(db, what);
}

// One prepared statement, its values bound in order.
class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) : db_(db) {
    const int code = sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr);
    if (code != SQLITE_OK) {
      Fail(db, code, "prepare");
    }
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(const SqlValue& value) {
    ++bound_;
    const int code =
        std::holds_alternative<std::int64_t>(value)
            ? sqlite3_bind_int64(statement_, bound_, std::get<std::int64_t>(value))
            : sqlite3_bind_text(statement_, bound_, std::get<std::string>(value).data(),
                                static_cast<int>(std::get<std::string>(value).size()),
                                SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
      Fail(db_, code, "bind");
    }
    return *this;
  }
  Statement& BindBlob(const std::string& bytes) {
    ++bound_;
    const int code =
        sqlite3_bind_blob64(statement_, bound_, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
      Fail(db_, code, "bind");
    }
    return *this;
  }
  // True while a row is there to read.
  bool Step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) {
      return true;
    }
    if (code != SQLITE_DONE) {
      Fail(db_, code, "step");
    }
    return false;
  }
  std::int64_t Integer(int column) { return sqlite3_column_int64(statement_, column); }
  std::string Text(int column) {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    return bytes == nullptr
               ? std::string()
               : std::string(bytes,
                             static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
  }

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
  int bound_ = 0;
};

GameRecord ReadGame(Statement& row) {
  return GameRecord{.id = row.Integer(0),
                    .player = row.Text(1),
                    .level = static_cast<std::int32_t>(row.Integer(2)),
                    .kills = static_cast<std::int32_t>(row.Integer(3)),
                    .timeMs = row.Integer(4),
                    .checkpoints = row.Integer(5),
                    .uploadedAt = row.Integer(6),
                    .day = row.Text(7),
                    .ranked = row.Integer(8) != 0};
}

class SqliteStore final : public HallStore {
 public:
  explicit SqliteStore(const std::string& path) {
    const int code = sqlite3_open_v2(
        path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
        nullptr);
    if (code != SQLITE_OK) {
      const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      throw std::runtime_error("cannot open " + path + ": " + message);
    }
    // Another hall server on the same file waits its turn rather than failing at once.
    sqlite3_busy_timeout(db_, 5000);
    Execute("PRAGMA journal_mode = WAL");
    Execute("PRAGMA synchronous = FULL");
    Execute("PRAGMA foreign_keys = ON");
    Migrate();
  }
  ~SqliteStore() override { sqlite3_close(db_); }

  std::optional<std::string> TokenHashOf(const std::string& name) override {
    std::lock_guard lock(mutex_);
    Statement select(db_, "SELECT token_hash FROM players WHERE name = $1");
    select.Bind(name);
    return select.Step() ? std::optional(select.Text(0)) : std::nullopt;
  }

  AddOutcome AddGame(const NewGame& upload) override {
    std::lock_guard lock(mutex_);
    Execute("BEGIN IMMEDIATE");
    try {
      AddOutcome outcome = AddInTransaction(upload);
      Execute(outcome.result == AddResult::Added ? "COMMIT" : "ROLLBACK");
      return outcome;
    } catch (...) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

  bool ClaimName(const std::string& name, const std::string& tokenHash, std::int64_t at) override {
    std::lock_guard lock(mutex_);
    Statement claim(db_, kClaimName);
    return claim.Bind(name).Bind(tokenHash).Bind(at).Step();
  }

  std::vector<GameRecord> ListGames(const GameQuery& query) override {
    std::lock_guard lock(mutex_);
    const ListingSql sql = ListingQuery(query);
    Statement select(db_, sql.text);
    for (const SqlValue& value : sql.values) {
      select.Bind(value);
    }
    std::vector<GameRecord> games;
    while (select.Step()) {
      games.push_back(ReadGame(select));
    }
    return games;
  }

  std::optional<GameRecord> FindGame(std::int64_t id) override {
    std::lock_guard lock(mutex_);
    Statement select(db_, std::string("SELECT ") + kGameColumns + " FROM games WHERE id = $1");
    select.Bind(id);
    return select.Step() ? std::optional(ReadGame(select)) : std::nullopt;
  }

  std::optional<std::string> RecordingOf(std::int64_t id) override {
    std::lock_guard lock(mutex_);
    Statement select(db_, "SELECT recording FROM games WHERE id = $1");
    select.Bind(id);
    return select.Step() ? std::optional(select.Text(0)) : std::nullopt;
  }

  std::int64_t CountGames() override { return Count("SELECT COUNT(*) FROM games"); }
  std::int64_t CountPlayers() override { return Count("SELECT COUNT(*) FROM players"); }

 private:
  void Execute(const char* sql) {
    char* message = nullptr;
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    if (code != SQLITE_OK) {
      Fail(db_, code, sql);
    }
  }

  std::int64_t Count(const char* sql) {
    std::lock_guard lock(mutex_);
    Statement count(db_, sql);
    count.Step();
    return count.Integer(0);
  }

  void Migrate() {
    Execute("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
    const auto steps = SqliteMigrations();
    for (;;) {
      Execute("BEGIN IMMEDIATE");
      Statement current(db_, "SELECT COALESCE(MAX(version), 0) FROM schema_version");
      current.Step();
      const auto version = static_cast<std::size_t>(current.Integer(0));
      if (version >= steps.size()) {
        Execute("COMMIT");
        return;
      }
      Execute(std::string(steps[version]).c_str());
      Statement record(db_, "INSERT INTO schema_version (version) VALUES ($1)");
      record.Bind(static_cast<std::int64_t>(version + 1)).Step();
      Execute("COMMIT");
    }
  }

  AddOutcome AddInTransaction(const NewGame& upload) {
    AddOutcome outcome;
    Statement owner(db_, "SELECT token_hash FROM players WHERE name = $1");
    owner.Bind(upload.game.player);
    if (owner.Step()) {
      const std::string stored = owner.Text(0);
      if (upload.tokenHash.empty() || !SameHash(stored, upload.tokenHash)) {
        return {.result = AddResult::WrongToken};
      }
    } else {
      Statement player(db_,
                       "INSERT INTO players (name, token_hash, created_at) VALUES ($1, $2, $3)");
      player.Bind(upload.game.player).Bind(upload.newTokenHash).Bind(upload.game.uploadedAt).Step();
      outcome.newPlayer = true;
    }
    Statement known(db_, "SELECT 1 FROM games WHERE fingerprint = $1");
    known.Bind(upload.fingerprint);
    if (known.Step()) {
      return {.result = AddResult::Duplicate};
    }
    const GameRecord& game = upload.game;
    Statement insert(db_, kInsertGame);
    insert.Bind(game.player)
        .Bind(std::int64_t{game.level})
        .Bind(std::int64_t{game.kills})
        .Bind(game.timeMs)
        .Bind(game.checkpoints)
        .Bind(game.uploadedAt)
        .Bind(upload.fingerprint)
        .BindBlob(upload.recording)
        .Bind(game.day)
        .Bind(std::int64_t{game.ranked ? 1 : 0})
        .Step();
    outcome.id = sqlite3_last_insert_rowid(db_);
    return outcome;
  }

  sqlite3* db_ = nullptr;
  std::mutex mutex_;
};

}  // namespace

std::unique_ptr<HallStore> OpenSqliteStore(const std::string& path) {
  return std::make_unique<SqliteStore>(path);
}

}  // namespace stonewick::hall
