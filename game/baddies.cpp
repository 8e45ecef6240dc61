// Baddies: spawning, the bad step and the very-bad crawl, the move rule they share, death,
// the level-cleared message, and the counters and bad-step interval that follow them.
#include <string>

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

}  // namespace

std::int32_t Game::AtLargeCount() const {
  return static_cast<std::int32_t>(badQueue.count) + static_cast<std::int32_t>(veryBadQueue.count);
}

bool Game::IsPlayerAt(std::int32_t col, std::int32_t row) const {
  return playerCol != 0 && playerRow != 0 && col == playerCol && row == playerRow;
}

void Game::ShowAtLarge() {
  host.ShowReadout(Readout::AtLarge, "At large : " + std::to_string(AtLargeCount()));
  host.RunPendingEvents();
}

void Game::AdjustBadInterval() {
  badStepInterval = BadIntervalFor(badQueue.count);
  host.SetBadStepInterval(badStepInterval);
  host.ShowReadout(Readout::BadStepInterval, "Ivl " + std::to_string(badStepInterval));
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
    Add(badQueue, &baddie);
  } else {
    baddie.under = Blank;
    Add(veryBadQueue, &baddie);
    SetCell(col, row, VeryBad);
  }
  ShowAtLarge();
  AdjustBadInterval();
}

void Game::KillBaddie(std::int32_t col, std::int32_t row) {
  kills += 1;
  host.ShowReadout(Readout::Kills, "Kills : " + std::to_string(kills));
  host.RunPendingEvents();
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

void Game::AppendCandidate(std::int32_t col, std::int32_t row) {
  candidateCount += 1;
  candidates[candidateCount] = {col, row};
}

Cell Game::ChooseCandidate() {
  return candidates[random.RandomBetween(1, candidateCount)];
}

// What a baddie leaves on the cell it moves off. A picture of the player counts as the
// player only where the player stands; elsewhere the player's trail is left instead.
std::int32_t Game::LeftBehind(const Baddie& baddie) const {
  switch (baddie.under) {
    case Blank:
      return Dirt;
    case SoftBrick:
      return Blank;
    case Dirt:
      return SoftBrick;
    default:
      if (IsPlayerTile(baddie.under) && !IsPlayerAt(baddie.col, baddie.row)) {
        return trailTile;
      }
      return baddie.under;
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
    candidateCount = 0;
    for (const Step& n : kNeighbourOrder) {
      if (CanStepOnto(baddie, baddie.col + n.dc, baddie.row + n.dr)) {
        AppendCandidate(baddie.col + n.dc, baddie.row + n.dr);
      }
    }
    if (candidateCount == 0) {
      if (baddie.kind == BaddieKind::VeryBad) {
        nextTrailId += 1;
        baddie.trailId = nextTrailId;
        Add(veryBadQueue, &baddie);
        return;
      }
      KillBaddie(baddie.col, baddie.row);
      if (badQueue.count == 0) {
        host.ShowMessage(kLevelClearedMessage);
        host.EnableSkipCommand(true);
        SetPaused(true);
        state = GameState::LevelCleared;
      }
      return;
    }
    destination = ChooseCandidate();
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
  Add(badQueue, &baddie);
  if (IsPlayerTile(baddie.under) && IsPlayerAt(baddie.col, baddie.row)) {
    PlayerCaught();
  }
}

void Game::BadStep() {
  Baddie baddie{};
  if (Take(badQueue, &baddie)) {
    MoveBaddie(baddie);
  }
}

void Game::VeryBadStep() {
  Baddie baddie{};
  if (!Take(veryBadQueue, &baddie)) {
    return;
  }
  const std::int32_t shown = board.Tile(baddie.col, baddie.row);
  if (shown != VeryBad && shown != BaddieOnTop) {
    baddie.under = Blank;
  }
  candidateCount = 0;
  for (const Step& n : kNeighbourOrder) {
    if (CanCrawlOnto(baddie.col + n.dc, baddie.row + n.dr, baddie.trailId)) {
      AppendCandidate(baddie.col + n.dc, baddie.row + n.dr);
    }
  }
  if (candidateCount == 0) {
    MoveBaddie(baddie);
    return;
  }
  const Cell destination = ChooseCandidate();
  std::int32_t restored = baddie.under;
  if (IsPlayerTile(restored) && !IsPlayerAt(baddie.col, baddie.row)) {
    restored = trailTile;
  }
  SetCell(baddie.col, baddie.row, restored);
  board.WriteMark(destination.col, destination.row, baddie.trailId);
  baddie.col = destination.col;
  baddie.row = destination.row;
  baddie.steps += 1;
  baddie.under = board.Tile(baddie.col, baddie.row);
  SetCell(baddie.col, baddie.row, BaddieOnTop);
  Add(veryBadQueue, &baddie);
}

}  // namespace stonewick
