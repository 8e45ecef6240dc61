// Everything the player does: turning and stepping with the arrow keys, pushing with the
// space bar, smashing with B, and turning the plain player tile with a click; and where
// the player stands.
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

bool Game::HasPlayer() const {
  return playerCol != 0 && playerRow != 0;
}

bool Game::IsPlayerAt(std::int32_t col, std::int32_t row) const {
  return HasPlayer() && col == playerCol && row == playerRow;
}

Step Game::PlayerFacing() const {
  return FacingOf(board.Tile(playerCol, playerRow));
}

void Game::PutPlayer(std::int32_t col, std::int32_t row, std::int32_t code) {
  playerCol = col;
  playerRow = row;
  board.WriteTile(col, row, code);
}

// With no player on the board the write lands on the corner cell (0, 0) of the ring.
void Game::RemovePlayer(std::int32_t leave) {
  SetCell(playerCol, playerRow, leave);
  playerCol = 0;
  playerRow = 0;
}

void Game::KeyPressed(std::uint16_t key) {
  // A cleared level waits for Skip; the keys do not start it again.
  if (state == GameState::LevelCleared) {
    return;
  }
  if (state == GameState::Ready) {
    StartPlay();
  }
  // While play is paused the board takes no keys.
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
      const Step facing = PlayerFacing();
      PushBlock(playerCol + facing.dc, playerRow + facing.dr, facing.dc, facing.dr);
      break;
    }
    case kKeyB: {
      const Step facing = PlayerFacing();
      SmashAt(playerCol + facing.dc, playerRow + facing.dr);
      break;
    }
    default:
      break;  // no other key does anything on the board
  }
}

void Game::MovePlayer(Direction direction) {
  if (!HasPlayer()) {
    return;
  }
  const Move move = MoveFor(direction);
  if (!ArriveAt(playerCol, playerRow, playerTiles[move.tileIndex])) {
    return;
  }
  do {
    const std::int32_t tile = playerTiles[move.tileIndex];
    if (!HasPlayer() || !MayEnter(playerCol + move.step.dc, playerRow + move.step.dr)) {
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
  if (!HasPlayer()) {
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
  // Every smash costs a Power; without one B does nothing.
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
  // A click beside the board is over no cell.
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
