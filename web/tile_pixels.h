// The tile pictures and the program icon as pixels for the page's canvas, decoded from the
// same XPM data that the window compiles in.
#pragma once

#include <cstdint>
#include <vector>

namespace stonewick::page {

// Pixels in the byte order of a canvas's image data (red, green, blue, alpha), row by row.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// Decodes an XPM picture whose colours are all "#RRGGBB"; an empty picture when the data
// is anything else.
Picture DecodeXpm(const char* const* xpm);

}  // namespace stonewick::page
