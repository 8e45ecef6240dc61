// The board scanner: a cursor that visits two interior cells per main tick, making nests
// out of squares of red bricks, waking them, breaking up broken ones and ageing remains;
// and the hatch step that takes woken nests through their stages to hatching.
#include <cstdint>

#include "game/game.h"

namespace stonewick {
namespace {

inline constexpr std::int64_t kSlowTicksPerStage = 5;

struct Stage {
  std::int32_t nw, ne, sw, se;
};
inline constexpr Stage kHatch1 = {Hatch1NW, Hatch1NE, Hatch1SW, Hatch1SE};
inline constexpr Stage kHatch2 = {Hatch2NW, Hatch2NE, Hatch2SW, Hatch2SE};
inline constexpr Stage kHatch3 = {Hatch3NW, Hatch3NE, Hatch3SW, Hatch3SE};

}  // namespace

void Game::MakeNest(std::int32_t col, std::int32_t row) {
  SetCell(col, row, NestNW);
  SetCell(col + 1, row, NestNE);
  SetCell(col, row + 1, NestSW);
  SetCell(col + 1, row + 1, NestSE);
}

void Game::WakeNest(std::int32_t col, std::int32_t row) {
  SetCell(col, row, Hatch0NW);
  SetCell(col + 1, row, Hatch0NE);
  SetCell(col + 1, row + 1, Hatch0SE);
  SetCell(col, row + 1, Hatch0SW);
  QueueHatch(col, row, static_cast<std::int32_t>(slowTicks));
}

void Game::QueueHatch(std::int32_t col, std::int32_t row, std::int32_t tick) {
  const QueuedCell pos{col, row, tick};
  Add(hatchQueue, &pos);
}

void Game::ScanStep() {
  scanCol += 1;
  if (scanCol > kInteriorLast) {
    scanCol = kInteriorFirst;
    scanRow += 1;
    if (scanRow > kInteriorLast) {
      scanRow = kInteriorFirst;
    }
  }
  const std::int32_t c = scanCol;
  const std::int32_t r = scanRow;
  if (board.Tile(c, r) == NestNW) {
    WakeNest(c, r);
    return;
  }

  // A quarter whose north-west partner is gone turns back into a hard brick.
  if (IsNorthEastQuarter(board.Tile(c, r)) && !IsNorthWestQuarter(board.Tile(c - 1, r))) {
    SetCell(c, r, HardBrick);
  }
  if (IsSouthWestQuarter(board.Tile(c, r)) && !IsNorthWestQuarter(board.Tile(c, r - 1))) {
    SetCell(c, r, HardBrick);
  }
  if (IsSouthEastQuarter(board.Tile(c, r)) && !IsNorthWestQuarter(board.Tile(c - 1, r - 1))) {
    SetCell(c, r, HardBrick);
  }

  switch (board.Tile(c, r)) {
    case Remains:
      if (board.Mark(c, r) >= 1) {
        SetCell(c, r, RemainsCooling);
      }
      board.WriteMark(c, r, board.Mark(c, r) + 1);
      break;
    case RemainsCooling:
      SetCell(c, r, RemainsCold);
      break;
    case RemainsCold:
      SetCell(c, r, HardBrick);
      QueueSoftNeighbours(c, r);
      break;
    case HardBrick:
      if (board.Tile(c + 1, r) == HardBrick && board.Tile(c, r + 1) == HardBrick &&
          board.Tile(c + 1, r + 1) == HardBrick) {
        MakeNest(c, r);
      }
      break;
    default:
      break;
  }
}

void Game::HatchStep() {
  if (smashing) {
    return;
  }
  QueuedCell pos{};
  if (!Take(hatchQueue, &pos)) {
    return;
  }
  const std::int32_t c = pos.col;
  const std::int32_t r = pos.row;
  if (static_cast<std::int64_t>(slowTicks) - pos.tick < kSlowTicksPerStage ||
      board.Tile(c, r) == BaddieOnTop) {
    QueueHatch(c, r, pos.tick);
    return;
  }

  // Writes the next stage over every quarter that no very bad baddie covers.
  auto advance = [&](const Stage& stage) {
    SetCell(c, r, stage.nw);
    const Cell others[3] = {{c + 1, r}, {c, r + 1}, {c + 1, r + 1}};
    const std::int32_t codes[3] = {stage.ne, stage.sw, stage.se};
    for (int i = 0; i < 3; ++i) {
      if (board.Tile(others[i].col, others[i].row) != BaddieOnTop) {
        SetCell(others[i].col, others[i].row, codes[i]);
      }
    }
    QueueHatch(c, r, static_cast<std::int32_t>(slowTicks));
  };

  switch (board.Tile(c, r)) {
    case Hatch0NW:
      advance(kHatch1);
      break;
    case Hatch1NW:
      advance(kHatch2);
      break;
    case Hatch2NW:
      advance(kHatch3);
      break;
    case Hatch3NW: {
      nextTrailId += 1;
      SpawnBaddie(c, r, BaddieKind::VeryBad);
      const Cell others[3] = {{c + 1, r}, {c, r + 1}, {c + 1, r + 1}};
      for (const Cell& cell : others) {
        if (board.Tile(cell.col, cell.row) != BaddieOnTop) {
          SpawnBaddie(cell.col, cell.row, BaddieKind::VeryBad);
        }
      }
      VeryBadStep();
      break;
    }
    default:
      break;
  }
}

}  // namespace stonewick
