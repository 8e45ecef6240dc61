// The tile pictures and the program icon, compiled into the program as XPM data: picture N
// shows cell code N.
#pragma once

#include <array>

#include "game/cells.h"

namespace stonewick {

inline constexpr int kTileCount = stonewick::kCellCodeCount;

extern const std::array<const char* const*, kTileCount> kTilePictures;
extern const char* const* const kProgramIconPicture;

}  // namespace stonewick
