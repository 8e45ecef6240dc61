// The board scanner: a cursor that visits two interior cells per main tick, making nests
// out of squares of red bricks, waking them, breaking up broken ones and ageing remains;
// and the hatch step that takes woken nests through their stages to hatching.
#include <array>
#include <cstdint>
#include <optional>

#include "game/game.h"

namespace stonewick {

// The codes of a nest at one stage: its north-west quarter, then the other three in the
// order of kOtherQuarters (north-east, south-west, south-east).
struct NestStage {
  std::int32_t northWest;
  std::array<std::int32_t, 3> others;
};

namespace {

inline constexpr std::int64_t kSlowTicksPerStage = 5;

inline constexpr NestStage kDormant = {NestNW, {NestNE, NestSW, NestSE}};
inline constexpr NestStage kHatch0 = {Hatch0NW, {Hatch0NE, Hatch0SW, Hatch0SE}};
inline constexpr NestStage kHatch1 = {Hatch1NW, {Hatch1NE, Hatch1SW, Hatch1SE}};
inline constexpr NestStage kHatch2 = {Hatch2NW, {Hatch2NE, Hatch2SW, Hatch2SE}};
inline constexpr NestStage kHatch3 = {Hatch3NW, {Hatch3NE, Hatch3SW, Hatch3SE}};

}  // namespace

// Writes a nest at (col, row), the north-west quarter first; that one is always written.
void Game::WriteNest(std::int32_t col, std::int32_t row, const NestStage& stage, Covered covered) {
  SetCell(col, row, stage.northWest);
  for (std::size_t i = 0; i < stage.others.size(); ++i) {
    const Step step = kOtherQuarters[i].fromNorthWest;
    if (covered == Covered::Keep && board.Tile(col + step.dc, row + step.dr) == BaddieOnTop) {
      continue;
    }
    SetCell(col + step.dc, row + step.dr, stage.others[i]);
  }
}

void Game::MakeNest(std::int32_t col, std::int32_t row) {
  WriteNest(col, row, kDormant, Covered::WriteOver);
}

void Game::WakeNest(std::int32_t col, std::int32_t row) {
  WriteNest(col, row, kHatch0, Covered::WriteOver);
  QueueHatch(col, row, SlowTickStamp());
}

void Game::QueueHatch(std::int32_t col, std::int32_t row, std::int32_t tick) {
  hatchQueue.Add({col, row, tick});
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
  for (const OtherQuarter& quarter : kOtherQuarters) {
    const Step step = quarter.fromNorthWest;
    if (quarter.isQuarter(board.Tile(c, r)) &&
        !IsNorthWestQuarter(board.Tile(c - step.dc, r - step.dr))) {
      SetCell(c, r, HardBrick);
    }
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
      if (board.IsSquareOf(c, r, HardBrick)) {
        MakeNest(c, r);
      }
      break;
    default:
      break;  // every other cell stays as it is
  }
}

void Game::HatchStep() {
  // Nests wait while a smash is under way, so that a nest being smashed never hatches.
  if (smashing) {
    return;
  }
  const std::optional<QueuedCell> pos = hatchQueue.Take();
  if (!pos) {
    return;
  }
  const std::int32_t c = pos->col;
  const std::int32_t r = pos->row;
  if (static_cast<std::int64_t>(slowTicks) - pos->tick < kSlowTicksPerStage ||
      board.Tile(c, r) == BaddieOnTop) {
    QueueHatch(c, r, pos->tick);
    return;
  }

  // Writes the next stage over every quarter that no very bad baddie covers.
  auto advance = [&](const NestStage& stage) {
    WriteNest(c, r, stage, Covered::Keep);
    QueueHatch(c, r, SlowTickStamp());
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
      for (const OtherQuarter& quarter : kOtherQuarters) {
        const Step step = quarter.fromNorthWest;
        if (board.Tile(c + step.dc, r + step.dr) != BaddieOnTop) {
          SpawnBaddie(c + step.dc, r + step.dr, BaddieKind::VeryBad);
        }
      }
      VeryBadStep();
      break;
    }
    default:
      break;  // the nest is gone: its entry is dropped
  }
}

}  // namespace stonewick
