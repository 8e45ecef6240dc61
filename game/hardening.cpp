// Paced board work: yellow bricks turning red one per main tick, nests crumbling one part
// per main tick, and the frame-by-frame smash animation.
#include <optional>

#include "game/game.h"

namespace stonewick {
namespace {

inline constexpr std::int32_t kSmashFrameMs = 10;

}  // namespace

void Game::QueueHardening(std::int32_t col, std::int32_t row) {
  hardenQueue.Add({col, row, SlowTickStamp()});
}

void Game::QueueSoftNeighbours(std::int32_t col, std::int32_t row) {
  for (const Step& n : kNeighbourOrder) {
    if (board.Tile(col + n.dc, row + n.dr) == SoftBrick) {
      QueueHardening(col + n.dc, row + n.dr);
    }
  }
}

void Game::HardeningStep() {
  const std::optional<QueuedCell> pos = hardenQueue.Take();
  if (!pos) {
    return;
  }
  if (board.Tile(pos->col, pos->row) == SoftBrick) {
    SetCell(pos->col, pos->row, HardBrick);
    QueueSoftNeighbours(pos->col, pos->row);
  }
}

void Game::QueueSmash(std::int32_t col, std::int32_t row) {
  if (IsNestPart(board.Tile(col, row))) {
    smashQueue.Add({col, row, SlowTickStamp()});
  }
}

// The cell shows the tiles from the player facing up to the powered player facing right in
// code order, all but the dormant nest's north-west quarter, then clears.
void Game::SmashAnimation(std::int32_t col, std::int32_t row) {
  for (std::int32_t code = PlayerUp; code <= PoweredRight; ++code) {
    if (code == NestNW) {
      continue;
    }
    SetCell(col, row, code);
    LetEventsIn();
    host.PauseMs(kSmashFrameMs);
  }
  SetCell(col, row, Blank);
}

void Game::SmashStep() {
  const std::optional<QueuedCell> pos = smashQueue.Take();
  if (!pos) {
    smashing = false;
    return;
  }
  if (IsNestPart(board.Tile(pos->col, pos->row))) {
    SmashAnimation(pos->col, pos->row);
    for (const Step& n : kNeighbourOrder) {
      QueueSmash(pos->col + n.dc, pos->row + n.dr);
    }
  }
}

}  // namespace stonewick
