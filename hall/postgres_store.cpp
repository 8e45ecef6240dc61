// PostgreSQL behind the hall's store: every value sent as a parameter (the recording as
// bytes), connections kept in a pool and dropped when they break, so the hall answers 503
// while the database is away and serves again as soon as it is back.
#include "hall/postgres_store.h"

#include <libpq-fe.h>

#include <mutex>
#include <vector>

#include "hall/game_listing.h"
#include "hall/migrations.h"
#include "hall/secrets.h"

namespace stonewick::hall {
namespace {

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

// One parameter as libpq takes it: text, or bytes sent as they are.
struct Parameter {
  std::string value;
  bool binary = false;
};

Parameter Text(const SqlValue& value) {
  if (std::holds_alternative<std::int64_t>(value)) {
    return {std::to_string(std::get<std::int64_t>(value))};
  }
  return {std::get<std::string>(value)};
}

class Connection {
 public:
  explicit Connection(const std::string& url) {
    // The URL is expanded as a whole; a server that does not answer fails within seconds.
    const char* keys[] = {"dbname", "connect_timeout", nullptr};
    const char* values[] = {url.c_str(), "3", nullptr};
    connection_ = PQconnectdbParams(keys, values, 1);
    if (PQstatus(connection_) != CONNECTION_OK) {
      const std::string message = PQerrorMessage(connection_);
      PQfinish(connection_);
      throw StoreUnavailable("postgresql: " + message);
    }
    // The server's notices ("already exists, skipping") are no news to the hall's log.
    PQsetNoticeProcessor(
        connection_, [](void*, const char*) {}, nullptr);
  }
  ~Connection() { PQfinish(connection_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool Healthy() const { return PQstatus(connection_) == CONNECTION_OK; }

  // Runs `sql` with `parameters`; rows come back as text, or as bytes when `binaryResult`.
  Result Run(const std::string& sql, const std::vector<Parameter>& parameters = {},
             bool binaryResult = false) {
    std::vector<const char*> values;
    std::vector<int> lengths;
    std::vector<int> formats;
    for (const Parameter& parameter : parameters) {
      values.push_back(parameter.value.data());
      lengths.push_back(static_cast<int>(parameter.value.size()));
      formats.push_back(parameter.binary ? 1 : 0);
    }
    // Without values, the text may hold several statements (a step of the schema).
    Result result(
        parameters.empty() && !binaryResult
            ? PQexec(connection_, sql.c_str())
            : PQexecParams(connection_, sql.c_str(), static_cast<int>(parameters.size()), nullptr,
                           values.data(), lengths.data(), formats.data(), binaryResult ? 1 : 0),
        &PQclear);
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
      const char* state = PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
      const std::string message = "postgresql: " + std::string(PQerrorMessage(connection_));
      // Class 08 (connection), 57P (shutting down) and 53 (out of resources): try later.
      const std::string code = state == nullptr ? "" : state;
      if (!Healthy() || code.starts_with("08") || code.starts_with("57P") ||
          code.starts_with("53")) {
        broken_ = true;
        throw StoreUnavailable(message);
      }
      throw std::runtime_error(message);
    }
    return result;
  }
  bool Broken() const { return broken_ || !Healthy(); }

 private:
  PGconn* connection_ = nullptr;
  bool broken_ = false;
};

GameRecord ReadGame(const PGresult* rows, int row) {
  auto text = [&](int column) { return std::string(PQgetvalue(rows, row, column)); };
  auto number = [&](int column) { return std::stoll(text(column)); };
  return GameRecord{.id = number(0),
                    .player = text(1),
                    .level = static_cast<std::int32_t>(number(2)),
                    .kills = static_cast<std::int32_t>(number(3)),
                    .timeMs = number(4),
                    .checkpoints = number(5),
                    .uploadedAt = number(6),
                    .day = text(7),
                    .ranked = number(8) != 0};
}

class PostgresStore final : public HallStore {
 public:
  explicit PostgresStore(std::string url) : url_(std::move(url)) {
    Lease lease(*this);
    Migrate(lease.connection());
  }

  std::optional<std::string> TokenHashOf(const std::string& name) override {
    Lease lease(*this);
    Result rows =
        lease.connection().Run("SELECT token_hash FROM players WHERE name = $1", {{name}});
    return PQntuples(rows.get()) == 0 ? std::nullopt
                                      : std::optional(std::string(PQgetvalue(rows.get(), 0, 0)));
  }

  AddOutcome AddGame(const NewGame& upload) override {
    Lease lease(*this);
    Connection& db = lease.connection();
    db.Run("BEGIN");
    try {
      const AddOutcome outcome = AddInTransaction(db, upload);
      db.Run(outcome.result == AddResult::Added ? "COMMIT" : "ROLLBACK");
      return outcome;
    } catch (...) {
      if (!db.Broken()) {
        try {
          db.Run("ROLLBACK");
        } catch (...) {
        }
      }
      throw;
    }
  }

  bool ClaimName(const std::string& name, const std::string& tokenHash, std::int64_t at) override {
    Lease lease(*this);
    Result claimed = lease.connection().Run(kClaimName, {{name}, {tokenHash}, Text(at)});
    return PQntuples(claimed.get()) == 1;
  }

  std::vector<GameRecord> ListGames(const GameQuery& query) override {
    const ListingSql sql = ListingQuery(query);
    std::vector<Parameter> parameters;
    for (const SqlValue& value : sql.values) {
      parameters.push_back(Text(value));
    }
    Lease lease(*this);
    Result rows = lease.connection().Run(sql.text, parameters);
    std::vector<GameRecord> games;
    for (int row = 0; row < PQntuples(rows.get()); ++row) {
      games.push_back(ReadGame(rows.get(), row));
    }
    return games;
  }

  std::optional<GameRecord> FindGame(std::int64_t id) override {
    Lease lease(*this);
    Result rows = lease.connection().Run(
        std::string("SELECT ") + kGameColumns + " FROM games WHERE id = $1", {Text(id)});
    return PQntuples(rows.get()) == 0 ? std::nullopt : std::optional(ReadGame(rows.get(), 0));
  }

  std::optional<std::string> RecordingOf(std::int64_t id) override {
    Lease lease(*this);
    Result rows =
        lease.connection().Run("SELECT recording FROM games WHERE id = $1", {Text(id)}, true);
    if (PQntuples(rows.get()) == 0) {
      return std::nullopt;
    }
    return std::string(PQgetvalue(rows.get(), 0, 0),
                       static_cast<std::size_t>(PQgetlength(rows.get(), 0, 0)));
  }

  std::int64_t CountGames() override { return Count("SELECT COUNT(*) FROM games"); }
  std::int64_t CountPlayers() override { return Count("SELECT COUNT(*) FROM players"); }

 private:
  // A connection taken from the pool, or a new one; back into the pool unless it broke.
  class Lease {
   public:
    explicit Lease(PostgresStore& store) : store_(store) {
      {
        std::lock_guard lock(store_.mutex_);
        if (!store_.idle_.empty()) {
          connection_ = std::move(store_.idle_.back());
          store_.idle_.pop_back();
        }
      }
      if (!connection_) {
        connection_ = std::make_unique<Connection>(store_.url_);
      }
    }
    ~Lease() {
      if (connection_->Broken()) {
        return;
      }
      std::lock_guard lock(store_.mutex_);
      store_.idle_.push_back(std::move(connection_));
    }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Connection& connection() { return *connection_; }

   private:
    PostgresStore& store_;
    std::unique_ptr<Connection> connection_;
  };

  std::int64_t Count(const char* sql) {
    Lease lease(*this);
    Result rows = lease.connection().Run(sql);
    return std::stoll(PQgetvalue(rows.get(), 0, 0));
  }

  // Several hall servers may start together: an advisory lock lets one migrate at a time.
  static void Migrate(Connection& db) {
    const auto steps = PostgresMigrations();
    db.Run("BEGIN");
    db.Run("SELECT pg_advisory_xact_lock(2707)");
    db.Run("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
    Result current = db.Run("SELECT COALESCE(MAX(version), 0) FROM schema_version");
    for (auto version = static_cast<std::size_t>(std::stoll(PQgetvalue(current.get(), 0, 0)));
         version < steps.size(); ++version) {
      db.Run(std::string(steps[version]));
      db.Run("INSERT INTO schema_version (version) VALUES ($1)", {{std::to_string(version + 1)}});
    }
    db.Run("COMMIT");
  }

  static AddOutcome AddInTransaction(Connection& db, const NewGame& upload) {
    AddOutcome outcome;
    const GameRecord& game = upload.game;
    Result added = db.Run(
        "INSERT INTO players (name, token_hash, created_at) VALUES ($1, $2, $3) "
        "ON CONFLICT (name) DO NOTHING RETURNING name",
        {{game.player}, {upload.newTokenHash}, Text(game.uploadedAt)});
    if (PQntuples(added.get()) == 1) {
      outcome.newPlayer = true;
    } else {
      Result owner = db.Run("SELECT token_hash FROM players WHERE name = $1", {{game.player}});
      if (upload.tokenHash.empty() || !SameHash(PQgetvalue(owner.get(), 0, 0), upload.tokenHash)) {
        return {.result = AddResult::WrongToken};
      }
    }
    Result inserted =
        db.Run(std::string(kInsertGame) + " ON CONFLICT (fingerprint) DO NOTHING RETURNING id",
               {{game.player},
                Text(std::int64_t{game.level}),
                Text(std::int64_t{game.kills}),
                Text(game.timeMs),
                Text(game.checkpoints),
                Text(game.uploadedAt),
                {upload.fingerprint},
                {upload.recording, true},
                {game.day},
                Text(std::int64_t{game.ranked ? 1 : 0})});
    if (PQntuples(inserted.get()) == 0) {
      return {.result = AddResult::Duplicate};
    }
    outcome.id = std::stoll(PQgetvalue(inserted.get(), 0, 0));
    return outcome;
  }

  std::string url_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Connection>> idle_;
};

}  // namespace

std::unique_ptr<HallStore> OpenPostgresStore(const std::string& url) {
  return std::make_unique<PostgresStore>(url);
}

}  // namespace stonewick::hall
