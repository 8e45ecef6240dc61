// Games being played live: each one's recording so far, kept in memory while it grows, for
// the spectators who wait on it and for the check once it ends.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace stonewick::hall {

struct LiveGame {
  std::int64_t id = 0;
  std::string player;
  std::string tokenHash;  // of the name's token, for storing the game at its end
  std::string keyHash;    // of the game's own key, which every later request carries
  std::string recording;  // whole lines so far
  std::int64_t startedMs = 0;
  std::int64_t lastMs = 0;
  bool ended = false;  // no more lines; `result` is the answer to its end once known
  std::string result;
};

class LiveGames {
 public:
  // At most `mostGames` at once, each at most `mostBytes` long.
  LiveGames(std::size_t mostGames, std::size_t mostBytes)
      : mostGames_(mostGames), mostBytes_(mostBytes) {}

  // A new live game's id; none when the hall has as many as it keeps.
  std::optional<std::int64_t> Start(LiveGame game);

  enum class Change { Done, NoSuchGame, WrongKey, TooLarge, Ended };
  // Adds whole lines to a game that goes on.
  Change Append(std::int64_t id, const std::string& keyHash, std::string_view lines,
                std::int64_t nowMs);
  // Ends a game: no more lines; `game` is it as it ended, for its check.
  Change End(std::int64_t id, const std::string& keyHash, LiveGame& game);
  // The answer to the game's end, which its spectators are told.
  void Settle(std::int64_t id, const std::string& result);

  std::vector<LiveGame> Playing() const;  // without their recordings
  // A game's recording so far; none when there is no such game.
  std::optional<std::string> RecordingSoFar(std::int64_t id) const;

  enum class Watch { More, Ended, Gone, Quiet };
  // What a spectator who has seen `seen` bytes gets next: more lines, the game's end (with
  // `result`), or nothing within `wait`.
  Watch Next(std::int64_t id, std::size_t seen, std::chrono::milliseconds wait, std::string& more,
             std::string& result);

  // Forgets games with no line for `idleMs`, and ended games told for `idleMs`.
  void ForgetIdle(std::int64_t nowMs, std::int64_t idleMs);

 private:
  Change Find(std::int64_t id, const std::string& keyHash, LiveGame*& game);

  std::size_t mostGames_;
  std::size_t mostBytes_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::map<std::int64_t, LiveGame> games_;
  std::int64_t nextId_ = 1;
};

}  // namespace stonewick::hall
