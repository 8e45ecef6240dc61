// What must hold between any two events of a replay session, checked from test code only:
// cell codes, baddie records, the queues' links, the counters and their labels, the timers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "game/game.h"
#include "session/scripts/replay.h"
#include "tests/support/session_access.h"

namespace stonewick::testing {

namespace invariants_detail {

inline bool OnBoard(std::int32_t col, std::int32_t row) {
  return Board::Contains(col, row);
}

// Walks a list both ways without trusting its links to end; collects its nodes.
inline void CheckList(const RecordList& list, const char* name, std::uint16_t elemSize,
                      std::vector<const ListNode*>& nodes, std::ostringstream& faults) {
  if (list.elemSize != elemSize || list.kind != 'Q') {
    faults << name << ": record size " << list.elemSize << " kind " << int{list.kind} << "; ";
  }
  if (list.cursor != nullptr) {
    faults << name << ": cursor left on a node between events; ";
  }
  if ((list.count == 0) != (list.newest == nullptr) ||
      (list.count == 0) != (list.oldest == nullptr)) {
    faults << name << ": ends disagree with count " << list.count << "; ";
    return;
  }
  const std::size_t limit = std::size_t{list.count} + 1;
  std::size_t forward = 0;
  for (const ListNode* node = list.oldest; node != nullptr && forward < limit; node = node->newer) {
    if (node->newer != nullptr && node->newer->older != node) {
      faults << name << ": a newer link does not point back; ";
      return;
    }
    if (node->newer == nullptr && node != list.newest) {
      faults << name << ": the walk from oldest does not end at newest; ";
      return;
    }
    nodes.push_back(node);
    ++forward;
  }
  std::size_t backward = 0;
  for (const ListNode* node = list.newest; node != nullptr && backward < limit;
       node = node->older) {
    ++backward;
  }
  if (forward != list.count || backward != list.count) {
    faults << name << ": count " << list.count << " but " << forward << " oldest-first and "
           << backward << " newest-first; ";
  }
}

inline void CheckBaddies(const PlayState& game, const RecordList& list, const char* name,
                         std::ostringstream& faults) {
  ForEachOldestFirst<Baddie>(list, [&](const Baddie& b) {
    const bool straight =
        (b.dx == 0) != (b.dy == 0) && b.dx >= -1 && b.dx <= 1 && b.dy >= -1 && b.dy <= 1;
    const bool still = b.dx == 0 && b.dy == 0;
    if (!OnBoard(b.col, b.row) || !(straight || still) ||
        (b.kind != BaddieKind::Bad && b.kind != BaddieKind::VeryBad) || b.under < 0 ||
        b.under >= kCellCodeCount || b.steps < 0 || b.trailId < 0 || b.trailId > game.nextTrailId) {
      faults << name << ": bad record " << b.col << ' ' << b.row << ' ' << b.dx << ' ' << b.dy
             << ' ' << static_cast<int>(b.kind) << ' ' << b.steps << ' ' << b.under << ' '
             << b.trailId << "; ";
    }
  });
}

inline void CheckCells(const PlayState& game, const RecordList& list, const char* name,
                       std::ostringstream& faults) {
  const auto slowTicks = static_cast<std::int64_t>(game.slowTicks);
  ForEachOldestFirst<QueuedCell>(list, [&](const QueuedCell& p) {
    if (!OnBoard(p.col, p.row) || p.tick < 0 || p.tick > slowTicks) {
      faults << name << ": bad record " << p.col << ' ' << p.row << ' ' << p.tick << "; ";
    }
  });
}

inline std::string Expect(const std::string& label, const std::string& wanted, const char* name) {
  return label == wanted
             ? std::string()
             : std::string(name) + " label reads '" + label + "', not '" + wanted + "'; ";
}

}  // namespace invariants_detail

// Everything that holds after any event, judged from the state alone. Empty when all hold,
// otherwise one description per broken rule.
inline std::string CheckState(const Replay& replay) {
  using namespace invariants_detail;
  const PlayState& game = replay.game();
  const TimerSchedule& timers = replay.session().Timers();
  const ScriptedClock& clock = replay.script().clock;
  const WindowItems shown = replay.session().Shown();
  const SpareLists& spareLists = SessionTestAccess::Lists(replay.session());
  std::ostringstream faults;

  for (int col = 0; col < kBoardSize; ++col) {
    for (int row = 0; row < kBoardSize; ++row) {
      const std::int32_t code = game.board.tiles[col][row];
      if (code < 0 || code >= kCellCodeCount) {
        faults << "cell " << col << ' ' << row << " holds code " << code << "; ";
      }
    }
  }

  std::vector<const ListNode*> nodes;
  CheckList(game.hardenQueue.Links(), "harden", sizeof(QueuedCell), nodes, faults);
  CheckList(game.smashQueue.Links(), "smash", sizeof(QueuedCell), nodes, faults);
  CheckList(game.hatchQueue.Links(), "hatch", sizeof(QueuedCell), nodes, faults);
  CheckList(game.badQueue.Links(), "bad", sizeof(Baddie), nodes, faults);
  CheckList(game.veryBadQueue.Links(), "verybad", sizeof(Baddie), nodes, faults);
  // The list module's own lists are set up at start-up and never used by the game.
  for (const RecordList* list :
       {&spareLists.filenames, &spareLists.folders, &spareLists.integers}) {
    if (list->count != 0 || list->newest != nullptr || list->oldest != nullptr) {
      faults << "the list module's own list '" << Name(*list) << "' holds records; ";
    }
  }
  std::sort(nodes.begin(), nodes.end());
  if (std::adjacent_find(nodes.begin(), nodes.end()) != nodes.end()) {
    faults << "a node is held by two lists; ";
  }
  if (!faults.str().empty()) {
    return faults.str();  // the records cannot be walked safely
  }
  CheckCells(game, game.hardenQueue.Links(), "harden", faults);
  CheckCells(game, game.smashQueue.Links(), "smash", faults);
  CheckCells(game, game.hatchQueue.Links(), "hatch", faults);
  CheckBaddies(game, game.badQueue.Links(), "bad", faults);
  CheckBaddies(game, game.veryBadQueue.Links(), "verybad", faults);
  ForEachOldestFirst<Baddie>(game.veryBadQueue.Links(), [&](const Baddie& b) {
    if (b.kind != BaddieKind::VeryBad) {
      faults << "verybad: a record of kind " << static_cast<int>(b.kind) << "; ";
    }
  });

  const auto state = static_cast<int>(game.state);
  if (state < 0 || state > 4) {
    faults << "state " << state << "; ";
  }
  const bool timersOn = timers.AllEnabled();
  const bool timersOff = timers.NoneEnabled();
  if (!(timersOn || timersOff) || game.running != timersOn) {
    faults << "running " << game.running << " with timers " << timers[GameTimer::Main].enabled
           << timers[GameTimer::Slow].enabled << timers[GameTimer::BadStep].enabled << "; ";
  }
  for (const ScheduledTimer& timer : timers) {
    // A close ends the run where it stands: timers due at that instant never fire. After
    // `manual` no timer fires by itself.
    if (timer.enabled && timer.due <= clock.nowMs && !clock.manual && !replay.Closed()) {
      faults << "a timer is overdue: due " << timer.due << " at " << clock.nowMs << "; ";
    }
  }
  const std::int32_t interval3 = timers[GameTimer::BadStep].interval;
  if (timers[GameTimer::Main].interval != kMainTickMs ||
      timers[GameTimer::Slow].interval != kSlowTickMs ||
      (interval3 != 100 && interval3 != 200 && interval3 != 300 && interval3 != 600 &&
       interval3 != kFirstBadStepMs)) {
    faults << "timer intervals " << timers[GameTimer::Main].interval << ' '
           << timers[GameTimer::Slow].interval << ' ' << interval3 << "; ";
  }
  if (game.tickBusy) {
    faults << "tickBusy left set; ";
  }
  if (game.scanCol < 0 || game.scanCol > kInteriorLast || game.scanRow < 0 ||
      game.scanRow > kInteriorLast) {
    faults << "scanner at " << game.scanCol << ' ' << game.scanRow << "; ";
  }
  if ((game.playerCol == 0) != (game.playerRow == 0) || !OnBoard(game.playerCol, game.playerRow)) {
    faults << "player at " << game.playerCol << ' ' << game.playerRow << "; ";
  }
  if (game.trailTile != Blank && game.trailTile != Dirt) {
    faults << "trail tile " << game.trailTile << "; ";
  }
  if (game.powers < 0 || game.level < 1 || game.kills < 0 || game.nextTrailId < 0) {
    faults << "counters powers " << game.powers << " level " << game.level << " kills "
           << game.kills << " trail id " << game.nextTrailId << "; ";
  }
  const bool powered = game.playerTiles[0] == PoweredUp && game.playerTiles[1] == PoweredDown &&
                       game.playerTiles[2] == PoweredLeft && game.playerTiles[3] == PoweredRight;
  const bool plain = game.playerTiles[0] == PlayerUp && game.playerTiles[1] == PlayerDown &&
                     game.playerTiles[2] == PlayerLeft && game.playerTiles[3] == PlayerRight;
  if (game.powers > 0 ? !powered : !plain) {
    faults << "player tiles do not match " << game.powers << " powers; ";
  }
  if (shown.pauseCaption != kPauseCaption && shown.pauseCaption != kResumeCaption) {
    faults << "pause caption '" << shown.pauseCaption << "'; ";
  }
  faults << Expect(shown.labels[0], "Powers : " + std::to_string(game.powers), "Powers")
         << Expect(shown.labels[2], "Level : " + std::to_string(game.level), "Level")
         << Expect(shown.labels[3], "Kills : " + std::to_string(game.kills), "Kills")
         << Expect(shown.labels[5], "Ivl " + std::to_string(interval3), "Interval");
  return faults.str();
}

// The At large label follows the baddie lists whenever a spawn or a kill wrote it last. Only
// Skip past the last level empties the lists without writing it, so after that the label
// is not compared until it is written again.
class InvariantChecker {
 public:
  void Before(const Replay& replay) { atLargeBefore_ = replay.session().Shown().labels[4]; }

  // Call after each event; `skipped` says the event was the Skip command.
  std::string After(const Replay& replay, bool skipped) {
    std::string faults = CheckState(replay);
    if (!faults.empty()) {
      return faults;
    }
    const PlayState& game = replay.game();
    const std::string label = replay.session().Shown().labels[4];
    const std::int32_t atLarge =
        std::int32_t{game.badQueue.count()} + std::int32_t{game.veryBadQueue.count()};
    if (skipped && game.level > 5) {
      // Nested in a longer event, the Skip may have come after the label was last written.
      atLargeTrusted_ = false;
    } else if (label != atLargeBefore_) {
      atLargeTrusted_ = true;
    }
    if (atLargeTrusted_) {
      faults +=
          invariants_detail::Expect(label, "At large : " + std::to_string(atLarge), "At large");
    }
    return faults;
  }

 private:
  std::string atLargeBefore_;
  bool atLargeTrusted_ = true;
};

}  // namespace stonewick::testing
