// A decoder for the XPM pictures the game ships: a header line, one line per colour, then
// one line per pixel row with a fixed number of characters per pixel.
#include "web/tile_pixels.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

namespace stonewick::page {
namespace {

// "#RRGGBB" as an opaque pixel of canvas image data.
bool ParseColour(const char* text, std::uint32_t& pixel) {
  char* end = nullptr;
  if (text[0] != '#' || std::strlen(text) != 7) {
    return false;
  }
  const auto rgb = static_cast<std::uint32_t>(std::strtoul(text + 1, &end, 16));
  if (end != text + 7) {
    return false;
  }
  const std::uint32_t r = (rgb >> 16) & 0xFF;
  const std::uint32_t g = (rgb >> 8) & 0xFF;
  const std::uint32_t b = rgb & 0xFF;
  pixel = 0xFF000000U | (b << 16) | (g << 8) | r;
  return true;
}

}  // namespace

Picture DecodeXpm(const char* const* xpm) {
  if (xpm == nullptr) {
    return {};
  }
  // Width, height, number of colours and characters per pixel.
  std::array<int, 4> header{};
  const char* at = xpm[0];
  for (int& value : header) {
    char* end = nullptr;
    value = static_cast<int>(std::strtol(at, &end, 10));
    if (end == at || value <= 0) {
      return {};
    }
    at = end;
  }
  const auto [width, height, colours, perPixel] = header;
  const auto charsPerPixel = static_cast<std::size_t>(perPixel);
  // Each colour's key and pixel: a picture has only a handful, so a list looked through is
  // both quick and smaller in the page than a map.
  std::vector<std::pair<std::string_view, std::uint32_t>> palette;
  for (int i = 1; i <= colours; ++i) {
    const char* line = xpm[i];
    // The key, then " c " and the colour.
    std::uint32_t pixel = 0;
    if (std::strlen(line) < charsPerPixel + 3 ||
        std::strncmp(line + charsPerPixel, " c ", 3) != 0 ||
        !ParseColour(line + charsPerPixel + 3, pixel)) {
      return {};
    }
    palette.emplace_back(std::string_view(line, charsPerPixel), pixel);
  }
  Picture picture{width, height, {}};
  picture.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const char* row = xpm[1 + colours + y];
    if (std::strlen(row) != charsPerPixel * static_cast<std::size_t>(width)) {
      return {};
    }
    for (int x = 0; x < width; ++x) {
      const std::string_view key(row + charsPerPixel * x, charsPerPixel);
      const auto colour = std::find_if(palette.begin(), palette.end(),
                                       [key](const auto& entry) { return entry.first == key; });
      if (colour == palette.end()) {
        return {};
      }
      picture.pixels.push_back(colour->second);
    }
  }
  return picture;
}

}  // namespace stonewick::page
