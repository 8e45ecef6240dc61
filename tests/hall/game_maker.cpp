// Games played in virtual time: keys drawn from the seed, the timers firing by themselves in
// the waits between them, so that the recording needs no timer lines of its own.
#include "tests/hall/game_maker.h"

#include <random>
#include <sstream>
#include <stdexcept>

#include "recording_format/checkpoint.h"
#include "session/scripts/replay.h"

namespace stonewick::hall {

std::string MakeGame(const GamePlan& plan) {
  Replay replay;
  std::ostringstream recording;
  recording << "# A game for the hall, seed " << plan.seed << '\n';
  std::string error;
  auto play = [&](const std::string& line) {
    if (!replay.RunLine(line, error)) {
      throw std::logic_error("game maker: " + line + ": " + error);
    }
    recording << line << '\n';
    if (!replay.Closed()) {
      recording << "#~ " << Checkpoint(replay.StateText()) << '\n';
    }
  };
  std::mt19937 draw(plan.seed);
  if (plan.reading) {
    play("reading " + std::to_string(*plan.reading));
  }
  play("key 39");
  for (int skip = 0; skip < plan.skips; ++skip) {
    play("menu skip");
  }
  static constexpr int kKeys[] = {37, 38, 39, 40, 32, 32, 66};
  std::int64_t nowMs = 0;
  while (nowMs < plan.playMs && !replay.Closed()) {
    play("key " + std::to_string(kKeys[draw() % std::size(kKeys)]));
    const std::int64_t pause = 100 + static_cast<std::int64_t>(draw() % 800);
    play("wait " + std::to_string(pause));
    nowMs += pause;
  }
  if (plan.exit && !replay.Closed()) {
    recording << "dump\n";
    std::istringstream state(replay.StateText());
    for (std::string line; std::getline(state, line);) {
      recording << "#= " << line << '\n';
    }
    recording << "menu exit\n";
  }
  return recording.str();
}

std::string WithChangedCheckpoint(const std::string& recording, int nth, std::uint64_t& line) {
  std::string changed = recording;
  std::size_t at = 0;
  line = 1;
  for (int seen = 0;; ++line) {
    if (changed.compare(at, 3, "#~ ") == 0 && seen++ == nth) {
      changed[at + 3] = changed[at + 3] == '0' ? '1' : '0';
      return changed;
    }
    at = changed.find('\n', at);
    if (at == std::string::npos) {
      throw std::logic_error("game maker: too few checkpoints");
    }
    ++at;
  }
}

}  // namespace stonewick::hall
