// Everything the player does: turning and stepping with the arrow keys, pushing with the
// space bar, smashing with B, and turning the plain player tile with a click.
#include "game/game.h"

namespace stonewick {
namespace {

struct Move {
  Step step;
  int tileIndex;  // entry of playerTiles: up, down, left, right
};

Move MoveFor(Direction direction) {
  switch (direction) {
    case Direction::Up:
      return {{0, -1}, 0};
    case Direction::Down:
      return {{0, 1}, 1};
    case Direction::Left:
      return {{-1, 0}, 2};
    case Direction::Right:
    default:
      return {{1, 0}, 3};
  }
}

// A click turns the plain player tile a quarter clockwise; every other code stays.
std::int32_t TurnedClockwise(std::int32_t code) {
  switch (code) {
    case PlayerUp:
      return PlayerRight;
    case PlayerRight:
      return PlayerDown;
    case PlayerDown:
      return PlayerLeft;
    case PlayerLeft:
      return PlayerUp;
    default:
      return code;
  }
}

}  // namespace

void Game::KeyPressed(std::uint16_t key) {
  if (state == GameState::LevelCleared) {
    return;
  }
  if (state == GameState::Ready) {
    StartPlay();
  }
  if (!running) {
    return;
  }
  switch (key) {
    case kKeyUp:
      MovePlayer(Direction::Up);
      break;
    case kKeyDown:
      MovePlayer(Direction::Down);
      break;
    case kKeyLeft:
      MovePlayer(Direction::Left);
      break;
    case kKeyRight:
      MovePlayer(Direction::Right);
      break;
    case kKeySpace: {
      const Step facing = FacingOf(board.Tile(playerCol, playerRow));
      PushBlock(playerCol + facing.dc, playerRow + facing.dr, facing.dc, facing.dr);
      break;
    }
    case kKeyB: {
      const Step facing = FacingOf(board.Tile(playerCol, playerRow));
      SmashAt(playerCol + facing.dc, playerRow + facing.dr);
      break;
    }
    default:
      break;
  }
}

void Game::MovePlayer(Direction direction) {
  if (playerCol == 0 || playerRow == 0) {
    return;
  }
  const Move move = MoveFor(direction);
  if (!ArriveAt(playerCol, playerRow, playerTiles[move.tileIndex])) {
    return;
  }
  do {
    const std::int32_t tile = playerTiles[move.tileIndex];
    if (playerCol == 0 || playerRow == 0 ||
        !MayEnter(playerCol + move.step.dc, playerRow + move.step.dr)) {
      return;
    }
    SetCell(playerCol, playerRow, trailTile);
    playerCol += move.step.dc;
    playerRow += move.step.dr;
    if (!ArriveAt(playerCol, playerRow, tile)) {
      return;
    }
  } while (glide);
}

bool Game::MayEnter(std::int32_t col, std::int32_t row) {
  const std::int32_t code = board.Tile(col, row);
  if (IsDeadlyToPlayer(code)) {
    PlayerCaught();
    return false;
  }
  return IsPlayerFloor(code);
}

bool Game::ArriveAt(std::int32_t col, std::int32_t row, std::int32_t code) {
  if (playerCol == 0 || playerRow == 0) {
    return true;
  }
  if (board.Tile(playerCol, playerRow) == Bad && PlayerCaught()) {
    return false;
  }
  if (IsRemains(board.Tile(playerCol, playerRow))) {
    AddPowers(1);
  }
  SetCell(col, row, code);
  return true;
}

void Game::PushBlock(std::int32_t col, std::int32_t row, std::int32_t dc, std::int32_t dr) {
  // With no facing there is nothing to push toward; sliding a floor cell onto itself
  // would never end.
  if (dc == 0 && dr == 0) {
    return;
  }
  const std::int32_t pushed = board.Tile(col, row);
  bool moved = false;
  while (board.Tile(col + dc, row + dr) == Blank || board.Tile(col + dc, row + dr) == Dirt) {
    SetCell(col, row, Blank);
    col += dc;
    row += dr;
    SetCell(col, row, pushed);
    moved = true;
  }
  if (!moved) {
    return;
  }
  if (pushed == SoftBrick) {
    for (const Step& n : kNeighbourOrder) {
      if (IsWallCell(board.Tile(col + n.dc, row + n.dr))) {
        QueueHardening(col, row);
        break;
      }
    }
  } else if (pushed == HardBrick) {
    QueueSoftNeighbours(col, row);
  }
}

void Game::SmashAt(std::int32_t col, std::int32_t row) {
  if (powers <= 0) {
    return;
  }
  AddPowers(-1);
  const std::int32_t target = board.Tile(col, row);
  if (target == SoftBrick || target == HardBrick) {
    SmashAnimation(col, row);
    return;
  }
  smashing = true;
  if (IsNestPart(target)) {
    QueueSmash(col, row);
  }
}

void Game::CellClicked(std::int32_t col, std::int32_t row) {
  if (!Board::Contains(col, row)) {
    return;
  }
  const std::int32_t code = board.Tile(col, row);
  const std::int32_t turned = TurnedClockwise(code);
  if (turned != code) {
    SetCell(col, row, turned);
  }
}

}  // namespace stonewick
