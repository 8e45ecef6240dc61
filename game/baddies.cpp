// Baddies: spawning, the bad step and the very-bad crawl, the move rule they share, death,
// the level-cleared message, and the counters and bad-step interval that follow them.
#include <array>
#include <optional>

#include "game/game.h"

namespace stonewick {
namespace {

inline constexpr int kStraightOnPercent = 70;

// The bad-step interval by the number of bad baddies, compared as a 16-bit count.
std::int32_t BadIntervalFor(std::uint16_t badCount) {
  if (badCount <= 19) {
    return 600;
  }
  if (badCount <= 40) {
    return 300;
  }
  if (badCount <= 60) {
    return 200;
  }
  return 100;
}

// The neighbour cells a baddie may move to, in the order they were found, and the draw
// that picks one of them.
class Choices {
 public:
  void Append(Cell cell) { cells_[count_++] = cell; }
  bool Empty() const { return count_ == 0; }
  // One draw from 1 to the count; none when there is only one cell to pick.
  Cell Pick(Random& random) const { return cells_[random.RandomBetween(1, count_) - 1]; }

 private:
  std::array<Cell, 4> cells_{};
  std::int32_t count_ = 0;
};

// The four neighbours of the baddie's cell, east, west, south, north, that `allowed` takes.
template <class Allowed>
Choices NeighboursWhere(const Baddie& baddie, Allowed allowed) {
  Choices choices;
  for (const Step& n : kNeighbourOrder) {
    if (allowed(baddie.col + n.dc, baddie.row + n.dr)) {
      choices.Append({baddie.col + n.dc, baddie.row + n.dr});
    }
  }
  return choices;
}

}  // namespace

std::int32_t Game::AtLargeCount() const {
  return static_cast<std::int32_t>(badQueue.count()) +
         static_cast<std::int32_t>(veryBadQueue.count());
}

void Game::ShowAtLarge() {
  host.ShowReadout(Readout::AtLarge, AtLargeCount());
  LetEventsIn();
}

void Game::AdjustBadInterval() {
  const std::int32_t interval = BadIntervalFor(badQueue.count());
  host.SetBadStepInterval(interval);
  host.ShowReadout(Readout::BadStepInterval, interval);
}

void Game::SpawnBaddie(std::int32_t col, std::int32_t row, BaddieKind kind) {
  Baddie baddie{};
  baddie.col = col;
  baddie.row = row;
  baddie.kind = kind;
  baddie.trailId = nextTrailId;
  if (kind == BaddieKind::Bad) {
    baddie.under = board.Tile(col, row);
    SetCell(col, row, Bad);
    badQueue.Add(baddie);
  } else {
    baddie.under = Blank;
    veryBadQueue.Add(baddie);
    SetCell(col, row, VeryBad);
  }
  ShowAtLarge();
  AdjustBadInterval();
}

void Game::KillBaddie(std::int32_t col, std::int32_t row) {
  kills += 1;
  host.ShowReadout(Readout::Kills, kills);
  LetEventsIn();
  SetCell(col, row, Remains);
  board.WriteMark(col, row, 0);
  AdjustBadInterval();
  ShowAtLarge();
}

bool Game::CanStepOnto(const Baddie& baddie, std::int32_t col, std::int32_t row) const {
  const std::int32_t code = board.Tile(col, row);
  if (IsBaddieFloor(code)) {
    return true;
  }
  return baddie.kind == BaddieKind::VeryBad && code == HardBrick &&
         board.Mark(col, row) != baddie.trailId;
}

bool Game::CanCrawlOnto(std::int32_t col, std::int32_t row, std::int32_t trailId) const {
  return IsWallCell(board.Tile(col, row)) && board.Mark(col, row) != trailId;
}

// What shows again on the cell a baddie leaves: what it stood on. A picture of the player
// counts as the player only where the player stands; elsewhere the player's trail shows.
std::int32_t Game::Uncovered(const Baddie& baddie) const {
  if (IsPlayerTile(baddie.under) && !IsPlayerAt(baddie.col, baddie.row)) {
    return trailTile;
  }
  return baddie.under;
}

// What a baddie leaves on the cell it steps off: blank turns to dirt, a soft brick to
// blank and dirt to a soft brick; anything else shows again.
std::int32_t Game::LeftBehind(const Baddie& baddie) const {
  switch (baddie.under) {
    case Blank:
      return Dirt;
    case SoftBrick:
      return Blank;
    case Dirt:
      return SoftBrick;
    default:
      return Uncovered(baddie);
  }
}

void Game::MoveBaddie(Baddie baddie) {
  Cell destination{};
  bool chosen = false;
  if (baddie.kind == BaddieKind::Bad) {
    const std::int32_t straight = random.Percent();
    if (straight < kStraightOnPercent &&
        CanStepOnto(baddie, baddie.col + baddie.dx, baddie.row + baddie.dy)) {
      destination = {baddie.col + baddie.dx, baddie.row + baddie.dy};
      chosen = true;
    }
  }
  if (!chosen) {
    const Choices choices = NeighboursWhere(
        baddie, [&](std::int32_t col, std::int32_t row) { return CanStepOnto(baddie, col, row); });
    if (choices.Empty()) {
      if (baddie.kind == BaddieKind::VeryBad) {
        nextTrailId += 1;
        baddie.trailId = nextTrailId;
        veryBadQueue.Add(baddie);
        return;
      }
      KillBaddie(baddie.col, baddie.row);
      if (badQueue.count() == 0) {
        Tell(GameBox::LevelCleared);
        host.EnableSkipCommand(true);
        SetPaused(true);
        state = GameState::LevelCleared;
      }
      return;
    }
    destination = choices.Pick(random);
  }

  SetCell(baddie.col, baddie.row, LeftBehind(baddie));
  baddie.dx = destination.col - baddie.col;
  baddie.dy = destination.row - baddie.row;
  baddie.col = destination.col;
  baddie.row = destination.row;
  baddie.steps += 1;
  baddie.under = board.Tile(baddie.col, baddie.row);
  std::int32_t tile = BaddieOnTop;
  if (baddie.under == Blank || baddie.under == SoftBrick || baddie.under == Dirt) {
    baddie.kind = BaddieKind::Bad;
    tile = Bad;
  }
  SetCell(baddie.col, baddie.row, tile);
  badQueue.Add(baddie);
  if (IsPlayerTile(baddie.under) && IsPlayerAt(baddie.col, baddie.row)) {
    PlayerCaught();
  }
}

void Game::BadStep() {
  if (const std::optional<Baddie> baddie = badQueue.Take()) {
    MoveBaddie(*baddie);
  }
}

void Game::VeryBadStep() {
  std::optional<Baddie> taken = veryBadQueue.Take();
  if (!taken) {
    return;
  }
  Baddie& baddie = *taken;
  const std::int32_t shown = board.Tile(baddie.col, baddie.row);
  if (shown != VeryBad && shown != BaddieOnTop) {
    baddie.under = Blank;
  }
  const Choices choices = NeighboursWhere(baddie, [&](std::int32_t col, std::int32_t row) {
    return CanCrawlOnto(col, row, baddie.trailId);
  });
  if (choices.Empty()) {
    MoveBaddie(baddie);
    return;
  }
  const Cell destination = choices.Pick(random);
  SetCell(baddie.col, baddie.row, Uncovered(baddie));
  board.WriteMark(destination.col, destination.row, baddie.trailId);
  baddie.col = destination.col;
  baddie.row = destination.row;
  baddie.steps += 1;
  baddie.under = board.Tile(baddie.col, baddie.row);
  SetCell(baddie.col, baddie.row, BaddieOnTop);
  veryBadQueue.Add(baddie);
}

}  // namespace stonewick
