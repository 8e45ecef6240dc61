// The game's pictures (the tiles and the program icon) as pixels, decoded from the XPM data
// that the window and the page both compile in.
#pragma once

#include <cstdint>
#include <vector>

namespace stonewick {

// How an opaque pixel is laid out in a 32-bit word.
enum class PixelOrder {
  Argb,  // 0xAARRGGBB, as the window's images hold it
  Abgr,  // red, green, blue, alpha in memory on a little-endian machine: a canvas's image data
};

struct XpmPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row by row
};

// Decodes an XPM picture whose colours are all "#RRGGBB", with any number of characters a
// pixel; an empty picture when the data is anything else.
XpmPicture DecodeXpm(const char* const* xpm, PixelOrder order);

}  // namespace stonewick
