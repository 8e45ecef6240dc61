// An upload checked through the session's own run of a script, with --check's comparisons,
// after a first pass that refuses games longer than the hall ranks.
#include "hall/upload_check.h"

#include <algorithm>
#include <charconv>

#include "hall/secrets.h"
#include "recording_format/script_lines.h"
#include "recording_format/script_source.h"
#include "session/scripts/run_script.h"

namespace stonewick::hall {
namespace {

// Remembers where the game stood after each block: the best it reached and how it ended.
class GameWatcher final : public ScriptWatcher {
 public:
  void BlockRan(const ScriptBlock&, Block&&, std::string_view, std::int64_t,
                const Replay& replay) override {
    level_ = std::max(level_, replay.game().level);
    kills_ = std::max(kills_, replay.game().kills);
    timeMs_ = replay.script().clock.nowMs;
    ended_ = replay.Closed() || replay.game().state == GameState::GameOver;
  }
  void Opening(const std::vector<StateLine>&, const Replay&) override {}

  std::int32_t level_ = 0;
  std::int32_t kills_ = 0;
  std::int64_t timeMs_ = 0;
  bool ended_ = false;
};

// The command of a line with any nesting mark taken off, split into words.
std::vector<std::string_view> CommandWords(std::string_view line) {
  std::vector<std::string_view> words = SplitWords(line);
  if (!words.empty() && words.front().starts_with('>')) {
    words.erase(words.begin());
  }
  return words;
}

// Adds up the recorded waits and gathers the clock readings. False, with the line named, when
// the game runs longer than the hall ranks.
bool FirstPass(std::string_view recording, CheckedGame& game) {
  TextLines lines(recording);
  std::string line;
  std::uint64_t number = 0;
  std::int64_t totalMs = 0;
  for (LineRead read; (read = lines.Next(line)) != LineRead::End;) {
    ++number;
    if (read != LineRead::Line || !IsCommandLine(line)) {
      continue;  // the check itself names a line too long
    }
    const auto words = CommandWords(line);
    if (words.size() != 2) {
      continue;
    }
    const auto value = ParseUnsigned(words[1], 0xffffffffu);
    if (!value) {
      continue;
    }
    if (words[0] == "wait") {
      totalMs += static_cast<std::int64_t>(*value);
      if (totalMs > kLongestGameMs) {
        game.error = "the game runs longer than the hall's 24 hours";
        game.errorLine = number;
        return false;
      }
    } else if (words[0] == "reading") {
      game.readings.push_back(static_cast<std::uint32_t>(*value));
    }
  }
  return true;
}

// "stonewick-hall: line N: what" as the run said it: N, and the whole line without its end.
void TakeError(const std::string& said, CheckedGame& game) {
  game.error = said.substr(0, said.find('\n'));
  constexpr std::string_view kLine = "line ";
  const std::size_t at = game.error.find(kLine);
  if (at != std::string::npos) {
    const char* first = game.error.data() + at + kLine.size();
    std::from_chars(first, game.error.data() + game.error.size(), game.errorLine);
  }
}

}  // namespace

CheckedGame CheckUpload(std::string_view recording) {
  CheckedGame game;
  if (!FirstPass(recording, game)) {
    return game;
  }
  TextLines lines(recording);
  NoText nowhere;
  std::string said;
  GameWatcher watcher;
  const int status = RunScript(lines, nowhere, said,
                               {.check = true, .watcher = &watcher, .program = "stonewick-hall"});
  if (status != 0) {
    TakeError(said, game);
    return game;
  }
  if (!watcher.ended_) {
    game.error = "the game does not end: a recording for the hall ends at game over or Exit";
    return game;
  }
  game.accepted = true;
  game.level = watcher.level_;
  game.kills = watcher.kills_;
  game.timeMs = watcher.timeMs_;
  // `said` holds "checked: N checkpoints and M states, all as recorded".
  constexpr std::string_view kChecked = "checked: ";
  std::uint64_t checkpoints = 0;
  std::uint64_t states = 0;
  if (said.starts_with(kChecked)) {
    const char* end = said.data() + said.size();
    auto [after, ec] = std::from_chars(said.data() + kChecked.size(), end, checkpoints);
    const std::size_t and_at = said.find(" and ");
    if (ec == std::errc() && and_at != std::string::npos) {
      std::from_chars(said.data() + and_at + 5, end, states);
    }
  }
  game.checkpoints = checkpoints + states;
  return game;
}

std::string RecordingFingerprint(std::string_view recording) {
  std::string kept;
  kept.reserve(recording.size());
  TextLines lines(recording);
  std::string line;
  for (LineRead read; (read = lines.Next(line)) != LineRead::End;) {
    if (!(line.starts_with("# ") || line == "#")) {
      kept.append(line).push_back('\n');
    }
  }
  return Sha256Hex(kept);
}

}  // namespace stonewick::hall
