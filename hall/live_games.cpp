// The live games' table, guarded by one mutex; spectators wait on a condition variable that
// every change wakes.
#include "hall/live_games.h"

#include "hall/secrets.h"

namespace stonewick::hall {

std::optional<std::int64_t> LiveGames::Start(LiveGame game) {
  std::lock_guard lock(mutex_);
  if (games_.size() >= mostGames_) {
    return std::nullopt;
  }
  game.id = nextId_++;
  game.lastMs = game.startedMs;
  const std::int64_t id = game.id;
  games_.emplace(id, std::move(game));
  return id;
}

LiveGames::Change LiveGames::Find(std::int64_t id, const std::string& keyHash, LiveGame*& game) {
  const auto at = games_.find(id);
  if (at == games_.end()) {
    return Change::NoSuchGame;
  }
  if (!SameHash(at->second.keyHash, keyHash)) {
    return Change::WrongKey;
  }
  game = &at->second;
  return game->ended ? Change::Ended : Change::Done;
}

LiveGames::Change LiveGames::Append(std::int64_t id, const std::string& keyHash,
                                    std::string_view lines, std::int64_t nowMs) {
  {
    std::lock_guard lock(mutex_);
    LiveGame* game = nullptr;
    if (const Change found = Find(id, keyHash, game); found != Change::Done) {
      return found;
    }
    if (game->recording.size() + lines.size() > mostBytes_) {
      return Change::TooLarge;
    }
    game->recording.append(lines);
    game->lastMs = nowMs;
  }
  changed_.notify_all();
  return Change::Done;
}

LiveGames::Change LiveGames::End(std::int64_t id, const std::string& keyHash, LiveGame& ended) {
  std::lock_guard lock(mutex_);
  LiveGame* game = nullptr;
  if (const Change found = Find(id, keyHash, game); found != Change::Done) {
    return found;
  }
  game->ended = true;
  ended = *game;
  return Change::Done;
}

void LiveGames::Settle(std::int64_t id, const std::string& result) {
  {
    std::lock_guard lock(mutex_);
    const auto at = games_.find(id);
    if (at != games_.end()) {
      at->second.result = result;
    }
  }
  changed_.notify_all();
}

std::vector<LiveGame> LiveGames::Playing() const {
  std::lock_guard lock(mutex_);
  std::vector<LiveGame> playing;
  for (const auto& [id, game] : games_) {
    if (!game.ended) {
      LiveGame summary = game;
      summary.recording.clear();
      playing.push_back(std::move(summary));
    }
  }
  return playing;
}

std::optional<std::string> LiveGames::RecordingSoFar(std::int64_t id) const {
  std::lock_guard lock(mutex_);
  const auto at = games_.find(id);
  return at == games_.end() ? std::nullopt : std::optional(at->second.recording);
}

LiveGames::Watch LiveGames::Next(std::int64_t id, std::size_t seen, std::chrono::milliseconds wait,
                                 std::string& more, std::string& result) {
  std::unique_lock lock(mutex_);
  Watch watch = Watch::Quiet;
  changed_.wait_for(lock, wait, [&] {
    const auto at = games_.find(id);
    if (at == games_.end()) {
      watch = Watch::Gone;
    } else if (at->second.recording.size() > seen) {
      more = at->second.recording.substr(seen);
      watch = Watch::More;
    } else if (at->second.ended && !at->second.result.empty()) {
      result = at->second.result;
      watch = Watch::Ended;
    } else {
      return false;
    }
    return true;
  });
  return watch;
}

void LiveGames::ForgetIdle(std::int64_t nowMs, std::int64_t idleMs) {
  {
    std::lock_guard lock(mutex_);
    std::erase_if(games_, [&](const auto& entry) { return nowMs - entry.second.lastMs > idleMs; });
  }
  changed_.notify_all();
}

}  // namespace stonewick::hall
