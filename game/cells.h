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
  return InRange(c, PlayerUp, PlayerRight) || InRange(c, PoweredUp, PoweredRight);
}

// Any quarter of a dormant nest or of a nest at any hatch stage.
constexpr bool IsNestPart(std::int32_t c) {
  return InRange(c, NestNW, NestSW) || InRange(c, Hatch1NW, Hatch3SW) ||
         InRange(c, Hatch0NW, Hatch0SW);
}

// Cells a very bad baddie crawls over; a soft brick pushed next to one starts to harden.
constexpr bool IsWallCell(std::int32_t c) {
  return c == HardBrick || IsNestPart(c) || c == BaddieOnTop;
}

// Cells any baddie may step onto.
constexpr bool IsBaddieFloor(std::int32_t c) {
  return c == Blank || IsPlayerTile(c) || c == SoftBrick || c == Dirt;
}

// Cells the player may step onto.
constexpr bool IsPlayerFloor(std::int32_t c) {
  return c == Blank || c == Remains || c == Dirt || c == RemainsCooling || c == RemainsCold;
}

// Cells that catch the player who steps toward them.
constexpr bool IsDeadlyToPlayer(std::int32_t c) {
  return c == Bad || c == VeryBad || c == BaddieOnTop;
}

constexpr bool IsRemains(std::int32_t c) {
  return c == Remains || c == RemainsCooling || c == RemainsCold;
}

// Nest quarters by position, across all stages.
constexpr bool IsNorthWestQuarter(std::int32_t c) {
  return c == NestNW || c == Hatch1NW || c == Hatch2NW || c == Hatch3NW || c == Hatch0NW;
}
constexpr bool IsNorthEastQuarter(std::int32_t c) {
  return c == NestNE || c == Hatch1NE || c == Hatch2NE || c == Hatch3NE || c == Hatch0NE;
}
constexpr bool IsSouthEastQuarter(std::int32_t c) {
  return c == NestSE || c == Hatch1SE || c == Hatch2SE || c == Hatch3SE || c == Hatch0SE;
}
constexpr bool IsSouthWestQuarter(std::int32_t c) {
  return c == NestSW || c == Hatch1SW || c == Hatch2SW || c == Hatch3SW || c == Hatch0SW;
}

struct Step {
  std::int32_t dc;
  std::int32_t dr;
};

// A nest fills a two-by-two square and is known by its north-west quarter. The other three
// quarters, each with its step from the north-west one, in the order the rules visit them.
struct OtherQuarter {
  Step fromNorthWest;
  bool (*isQuarter)(std::int32_t code);
};
inline constexpr OtherQuarter kOtherQuarters[3] = {
    {{1, 0}, IsNorthEastQuarter}, {{0, 1}, IsSouthWestQuarter}, {{1, 1}, IsSouthEastQuarter}};

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
