// Level layouts: the brick field of levels 1 and 2, the fixed patterns of levels 3 to 5,
// and Skip, the only way from one level to the next.
#include "game/game.h"

namespace stonewick {
namespace {

inline constexpr int kRandomCellLo = 2;
inline constexpr int kRandomCellHi = 19;
inline constexpr int kLevel5Baddies = 100;

bool IsRingCell(int col, int row) {
  return col == 0 || row == 0 || col == kBoardSize - 1 || row == kBoardSize - 1;
}

}  // namespace

void Game::StartLevelOne() {
  SetLevel(1);
  LayoutBrickField();
  state = GameState::Ready;
}

void Game::LayoutBrickField() {
  if (level == 1) {
    random.randomSeed = 0;
  } else {
    SeedFromClock();
  }
  trailTile = Dirt;
  for (int col = 0; col < kBoardSize; ++col) {
    for (int row = 0; row < kBoardSize; ++row) {
      std::int32_t tile = Blank;
      if (IsRingCell(col, row)) {
        tile = Border;
      } else if (random.CoinFlip()) {
        tile = SoftBrick;
      }
      board.WriteTile(col, row, tile);
      board.WriteMark(col, row, 0);
    }
  }
  BreakSoftSquares();
  PutPlayer(10, 10, PlayerUp);

  int col = 0;
  int row = 0;
  do {
    col = random.RandomBetween(kRandomCellLo, kRandomCellHi);
    row = random.RandomBetween(kRandomCellLo, kRandomCellHi);
  } while (board.Tile(col, row) != SoftBrick);
  SetCell(col, row, HardBrick);

  for (int placed = 0; placed < 2; ++placed) {
    col = random.RandomBetween(kRandomCellLo, kRandomCellHi);
    row = random.RandomBetween(kRandomCellLo, kRandomCellHi);
    SpawnBaddie(col, row, BaddieKind::Bad);
  }
  RedrawBoard();
  powers = 0;
  AddPowers(1);
}

void Game::BreakSoftSquares() {
  for (int col = 1; col <= 19; ++col) {
    for (int row = 1; row <= 19; ++row) {
      if (board.IsSquareOf(col, row, SoftBrick)) {
        SetCell(col, row, Blank);
      }
    }
  }
}

// Fills the interior with dirt and clears its marks; the ring stays as the field left it.
static void FillInteriorWithDirt(Board& board) {
  for (int col = kInteriorFirst; col <= kInteriorLast; ++col) {
    for (int row = kInteriorFirst; row <= kInteriorLast; ++row) {
      board.WriteTile(col, row, Dirt);
      board.WriteMark(col, row, 0);
    }
  }
}

void Game::LayoutLevel3() {
  trailTile = Blank;
  random.randomSeed = 2;
  FillInteriorWithDirt(board);
  PutPlayer(15, 15, playerTiles[3]);
  board.WriteTile(11, 11, HardBrick);
  SpawnBaddie(1, 20, BaddieKind::Bad);
  SpawnBaddie(20, 1, BaddieKind::Bad);
  SpawnBaddie(1, 1, BaddieKind::Bad);
  SpawnBaddie(20, 20, BaddieKind::Bad);
  RedrawBoard();
}

void Game::LayoutLevel4() {
  random.randomSeed = 2;
  FillInteriorWithDirt(board);
  // The ring of interior cells next to the border, clockwise from the top.
  for (int col = 2; col <= 20; ++col) {
    SpawnBaddie(col, 1, BaddieKind::Bad);
  }
  for (int row = 2; row <= 20; ++row) {
    SpawnBaddie(20, row, BaddieKind::Bad);
  }
  for (int col = 19; col >= 1; --col) {
    SpawnBaddie(col, 20, BaddieKind::Bad);
  }
  for (int row = 19; row >= 1; --row) {
    SpawnBaddie(1, row, BaddieKind::Bad);
  }
  PutPlayer(10, 10, playerTiles[3]);
  RedrawBoard();
}

void Game::LayoutLevel5() {
  random.randomSeed = 2;
  trailTile = Dirt;
  int toPlace = kLevel5Baddies;
  bool parity = false;
  for (int row = kInteriorFirst; row <= kInteriorLast; ++row) {
    parity = !parity;
    for (int col = kInteriorFirst; col <= kInteriorLast; ++col) {
      board.WriteMark(col, row, 0);
      board.WriteTile(col, row, toPlace > 0 ? Dirt : Blank);
      parity = !parity;
      if (parity && toPlace > 0) {
        board.WriteTile(col, row, Dirt);
        SpawnBaddie(col, row, BaddieKind::Bad);
        toPlace -= 1;
      }
    }
  }
  PutPlayer(15, 15, playerTiles[3]);
  RedrawBoard();
}

void Game::SkipCommand() {
  ClearBaddieQueues();
  SetLevel(level + 1);
  switch (level) {
    case 2:
      LayoutBrickField();
      break;
    case 3:
      LayoutLevel3();
      break;
    case 4:
      LayoutLevel4();
      break;
    case 5:
      LayoutLevel5();
      break;
    default:
      Tell(GameBox::NoMoreLevels);
      break;
  }
  if (state == GameState::LevelCleared) {
    state = GameState::Ready;
    SetPaused(false);
  }
}

}  // namespace stonewick
