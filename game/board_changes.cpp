// Every change to the board goes through here, and is drawn at once; and the rules' start-up.
#include "game/game.h"

namespace stonewick {

Game::Game(Host& host_) : host(host_) {}

void Game::SetCell(int col, int row, std::int32_t code) {
  board.WriteTile(col, row, code);
  DrawCell(col, row);
}

void Game::DrawCell(int col, int row) {
  if (Board::Contains(col, row)) {
    host.DrawCell(col, row, board.Tile(col, row));
  }
}

void Game::RedrawBoard() {
  for (int col = 0; col < kBoardSize; ++col) {
    for (int row = 0; row < kBoardSize; ++row) {
      DrawCell(col, row);
    }
  }
}

}  // namespace stonewick
