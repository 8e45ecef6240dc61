// The 22 by 22 board: a tile layer of cell codes and a mark layer, addressed (column, row).
// Outside the array a cell reads as Border with mark 0, and writes there are ignored, so
// rules that look one cell past the ring never leave the board.
#pragma once

#include <array>
#include <cstdint>

#include "game/cells.h"

namespace stonewick {

inline constexpr int kBoardSize = 22;
inline constexpr int kInteriorFirst = 1;
inline constexpr int kInteriorLast = 20;

struct Board {
  using Layer = std::array<std::array<std::int32_t, kBoardSize>, kBoardSize>;  // [col][row]
  Layer tiles{};
  Layer marks{};

  static constexpr bool Contains(int col, int row) {
    return col >= 0 && col < kBoardSize && row >= 0 && row < kBoardSize;
  }
  std::int32_t Tile(int col, int row) const {
    return Contains(col, row) ? tiles[col][row] : std::int32_t{Border};
  }
  std::int32_t Mark(int col, int row) const { return Contains(col, row) ? marks[col][row] : 0; }
  // Whether the two-by-two square with (col, row) as its north-west cell holds `code` in all
  // four cells: the shape of a nest.
  bool IsSquareOf(int col, int row, std::int32_t code) const {
    if (Tile(col, row) != code) {
      return false;
    }
    for (const OtherQuarter& quarter : kOtherQuarters) {
      if (Tile(col + quarter.fromNorthWest.dc, row + quarter.fromNorthWest.dr) != code) {
        return false;
      }
    }
    return true;
  }
  // The one place the tile layer changes; SetCell adds the draw.
  void WriteTile(int col, int row, std::int32_t code) {
    if (Contains(col, row)) {
      tiles[col][row] = code;
    }
  }
  void WriteMark(int col, int row, std::int32_t mark) {
    if (Contains(col, row)) {
      marks[col][row] = mark;
    }
  }
};

}  // namespace stonewick
