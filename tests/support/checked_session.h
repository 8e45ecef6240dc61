// A replay session that checks the invariants after every script line (or block: an event
// with the events nested in it), keeps a bad line's error, and makes sure a rejected line
// changed nothing. Shared by the fuzzers, the soak and the fuzz regression test.
#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "lib/play_clock.h"
#include "session/scripts/replay.h"
#include "tests/support/invariants.h"

namespace stonewick::testing {

// The virtual time a fuzz input may wait in all: enough for several full scanner passes and
// hatchings, small enough that one input runs in well under a second.
inline constexpr std::int64_t kFuzzWaitBudgetMs = 20 * 60 * 1000;

// A digest of everything a script line can change, to show that a rejected line did nothing.
inline std::uint64_t Fingerprint(const Replay& replay) {
  std::uint64_t hash = 1469598103934665603u;
  auto mix = [&hash](std::int64_t value) {
    hash = (hash ^ static_cast<std::uint64_t>(value)) * 1099511628211u;
  };
  const PlayState& game = replay.game();
  for (int col = 0; col < kBoardSize; ++col) {
    for (int row = 0; row < kBoardSize; ++row) {
      mix(game.board.tiles[col][row]);
      mix(game.board.marks[col][row]);
    }
  }
  for (const RecordList* list :
       {&game.hardenQueue.Links(), &game.smashQueue.Links(), &game.hatchQueue.Links(),
        &game.badQueue.Links(), &game.veryBadQueue.Links()}) {
    mix(list->count);
  }
  for (const std::int64_t value :
       {std::int64_t{game.playerCol}, std::int64_t{game.playerRow},
        std::int64_t{static_cast<int>(game.state)}, std::int64_t{game.running},
        std::int64_t{game.powers}, std::int64_t{game.level}, std::int64_t{game.kills},
        std::int64_t{game.slowTicks}, std::int64_t{game.smashing},
        std::int64_t{game.random.randomSeed}, std::int64_t{game.scanCol},
        std::int64_t{game.scanRow}, replay.script().clock.nowMs, std::int64_t{game.glide},
        static_cast<std::int64_t>(replay.script().clock.answers.size()),
        static_cast<std::int64_t>(replay.script().clock.readings.size()),
        std::int64_t{replay.script().clock.manual}, std::int64_t{game.instructionsColour}}) {
    mix(value);
  }
  return hash;
}

class CheckedSession {
 public:
  explicit CheckedSession(std::ostream& out, std::int64_t waitBudgetMs = -1)
      : replay(out), waitBudgetMs_(waitBudgetMs) {
    fault = CheckState(replay);
  }

  // Plays one line. False once a fault is found (see `fault`), a line is rejected (see
  // `error`) or the window has closed; a wait past the budget is passed over.
  bool Play(std::string_view line) {
    const ScriptLine only{lines + 1, line, {}};
    return PlayBlock(std::span(&only, 1));
  }

  // Plays a command line with the nested lines after it, as the script reader hands them
  // over; the invariants are checked once the block's event has ended.
  bool PlayBlock(std::span<const ScriptLine> block) {
    if (!fault.empty() || !error.empty() || replay.Closed()) {
      return false;
    }
    if (block.size() == 1 && OverBudget(block.front().text)) {
      skippedWaits = true;
      return true;
    }
    const std::uint64_t before = Fingerprint(replay);
    checker.Before(replay);
    lines += block.size();
    ScriptError bad;
    const BlockOutcome outcome = replay.RunBlock(block, bad);
    if (outcome != BlockOutcome::Ran) {
      error = bad.message;
      if (outcome == BlockOutcome::Rejected && Fingerprint(replay) != before) {
        fault = "a rejected line changed the game: " + error;
      } else if (error.empty()) {
        fault = "a rejected line gave no reason";
      }
      for (const char ch : error) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte >= 0x7F) {
          fault = "the reason for a rejected line holds an unprintable byte";
        }
      }
      if (outcome == BlockOutcome::Rejected || !fault.empty()) {
        return false;
      }
    }
    bool skipped = false;
    for (const ScriptLine& line : block) {
      skipped = skipped || IsSkip(line.text);
    }
    fault = checker.After(replay, skipped);
    return fault.empty() && error.empty() && !replay.Closed();
  }

  Replay replay;
  InvariantChecker checker;
  std::string fault;
  std::string error;
  std::uint64_t lines = 0;
  bool skippedWaits = false;

 private:
  static bool IsSkip(std::string_view line) {
    return line.find("skip") != std::string_view::npos &&
           line.find("menu") != std::string_view::npos;
  }

  // Counts the milliseconds of well-formed waits against the budget. After `manual` a wait
  // only moves the clock, which costs nothing.
  bool OverBudget(std::string_view line) {
    if (waitBudgetMs_ < 0 || replay.script().clock.manual) {
      return false;
    }
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line.substr(start, 4) != "wait") {
      return false;
    }
    std::int64_t ms = 0;
    bool digits = false;
    for (const char ch : line.substr(start + 4)) {
      if (ch >= '0' && ch <= '9') {
        ms = std::min<std::int64_t>(ms * 10 + (ch - '0'), kMsPerDay + 1);
        digits = true;
      } else if (ch != ' ' && ch != '\t' && ch != '\r') {
        return false;  // not a plain wait: the interpreter judges it
      }
    }
    if (!digits || ms > kMsPerDay) {
      return false;
    }
    waitedMs_ += ms;
    return waitedMs_ > waitBudgetMs_;
  }

  std::int64_t waitBudgetMs_;
  std::int64_t waitedMs_ = 0;
};

}  // namespace stonewick::testing
