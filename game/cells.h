// Cell codes: one small integer says what a cell is, who stands on it and which tile shows
// it. The sets below are the groups of codes that the rules test against.
#pragma once

#include <cstdint>

namespace stonewick {

enum CellCode : std::int32_t {
  Blank = 0,
  PlayerUp = 1,
  PlayerDown = 2,
  PlayerLeft = 3,
  PlayerRight = 4,
  SoftBrick = 5,
  HardBrick = 6,
  Bad = 7,
  VeryBad = 8,
  NestNW = 9,
  NestNE = 10,
  NestSE = 11,
  NestSW = 12,
  Remains = 13,
  Dirt = 14,
  Hatch1NW = 15,
  Hatch1NE = 16,
  Hatch1SE = 17,
  Hatch1SW = 18,
  Hatch2NW = 19,
  Hatch2NE = 20,
  Hatch2SE = 21,
  Hatch2SW = 22,
  Hatch3NW = 23,
  Hatch3NE = 24,
  Hatch3SE = 25,
  Hatch3SW = 26,
  Border = 27,
  Hatch0NW = 28,
  Hatch0NE = 29,
  Hatch0SE = 30,
  Hatch0SW = 31,
  RemainsCooling = 32,
  RemainsCold = 33,
  PoweredUp = 34,
  PoweredDown = 35,
  PoweredLeft = 36,
  PoweredRight = 37,
  BaddieOnTop = 38,
};

inline constexpr int kCellCodeCount = 39;

constexpr bool InRange(std::int32_t code, std::int32_t lo, std::int32_t hi) {
  return code >= lo && code <= hi;
}

// The player facing any way, plain or powered.
constexpr bool IsPlayerTile(std::int32_t c) {
  return InRange(c, 1, 4) || InRange(c, 34, 37);
}

// Any quarter of a dormant nest or of a nest at any hatch stage.
constexpr bool IsNestPart(std::int32_t c) {
  return InRange(c, 9, 12) || InRange(c, 15, 26) || InRange(c, 28, 31);
}

// Cells a very bad baddie crawls over; a soft brick pushed next to one starts to harden.
constexpr bool IsWallCell(std::int32_t c) {
  return c == HardBrick || IsNestPart(c) || c == 38;
}

// Cells any baddie may step onto.
constexpr bool IsBaddieFloor(std::int32_t c) {
  return InRange(c, 0, 5) || c == Dirt || InRange(c, 34, 37);
}

// Cells the player may step onto.
constexpr bool IsPlayerFloor(std::int32_t c) {
  return c == Blank || c == Remains || c == Dirt || c == RemainsCooling || c == RemainsCold;
}

// Cells that catch the player who steps toward them.
constexpr bool IsDeadlyToPlayer(std::int32_t c) {
  return c == Bad || c == VeryBad || c == 38;
}

constexpr bool IsRemains(std::int32_t c) {
  return c == Remains || c == RemainsCooling || c == RemainsCold;
}

// Nest quarters by position, across all stages.
constexpr bool IsNorthWestQuarter(std::int32_t c) {
  return c == 9 || c == 15 || c == 19 || c == 23 || c == 28;
}
constexpr bool IsNorthEastQuarter(std::int32_t c) {
  return c == 10 || c == 16 || c == 20 || c == 24 || c == 29;
}
constexpr bool IsSouthEastQuarter(std::int32_t c) {
  return c == 11 || c == 17 || c == 21 || c == 25 || c == 30;
}
constexpr bool IsSouthWestQuarter(std::int32_t c) {
  return c == 12 || c == 18 || c == 22 || c == 26 || c == 31;
}

struct Step {
  std::int32_t dc;
  std::int32_t dr;
};

// The way a player tile faces; (0, 0) for any other code.
constexpr Step FacingOf(std::int32_t c) {
  switch (c) {
    case PlayerUp:
    case PoweredUp:
      return {0, -1};
    case PlayerDown:
    case PoweredDown:
      return {0, 1};
    case PlayerLeft:
    case PoweredLeft:
      return {-1, 0};
    case PlayerRight:
    case PoweredRight:
      return {1, 0};
    default:
      return {0, 0};
  }
}

// The four neighbours in the order every rule looks at them: east, west, south, north.
inline constexpr Step kNeighbourOrder[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

}  // namespace stonewick
