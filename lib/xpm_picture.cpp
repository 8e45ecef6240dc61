// A decoder for the XPM pictures the game ships: a header line, one line per colour, then one
// line per pixel row with a fixed number of characters per pixel.
#include "lib/xpm_picture.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>

namespace stonewick {
namespace {

// The whole number `text` starts with, past it and the blanks after it; -1 when there is none
// or it is out of any picture's range.
int ReadCount(const char*& text) {
  int count = -1;
  for (; *text >= '0' && *text <= '9'; ++text) {
    count = (count < 0 ? 0 : count * 10) + (*text - '0');
    if (count > 4096) {
      return -1;
    }
  }
  while (*text == ' ') {
    ++text;
  }
  return count;
}

// "#RRGGBB" as an opaque pixel in `order`; false when the text is anything else.
bool ParseColour(const char* text, PixelOrder order, std::uint32_t& pixel) {
  if (text[0] != '#' || std::strlen(text) != 7) {
    return false;
  }
  std::uint32_t rgb = 0;
  for (int i = 1; i <= 6; ++i) {
    const char c = text[i];
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                             : -1;
    if (digit < 0) {
      return false;
    }
    rgb = rgb * 16 + static_cast<std::uint32_t>(digit);
  }
  const std::uint32_t r = rgb >> 16;
  const std::uint32_t g = (rgb >> 8) & 0xFF;
  const std::uint32_t b = rgb & 0xFF;
  pixel = 0xFF000000U | (order == PixelOrder::Argb ? rgb : (b << 16) | (g << 8) | r);
  return true;
}

}  // namespace

XpmPicture DecodeXpm(const char* const* xpm, PixelOrder order) {
  if (xpm == nullptr) {
    return {};
  }
  // Width, height, number of colours and characters per pixel.
  const char* header = xpm[0];
  std::array<int, 4> counts{};
  for (int& count : counts) {
    if ((count = ReadCount(header)) <= 0) {
      return {};
    }
  }
  if (*header != '\0') {
    return {};
  }
  const auto [width, height, colours, perPixel] = counts;
  const auto charsPerPixel = static_cast<std::size_t>(perPixel);
  // Each colour's key and pixel: a picture has only a handful, so a list looked through is
  // both quick and smaller in the page than a map.
  std::vector<std::pair<std::string_view, std::uint32_t>> palette;
  // With one character a pixel, as every picture the game ships has, a table by character
  // finds each pixel's colour at once; 0 marks a character no colour names, as every colour is
  // opaque.
  std::array<std::uint32_t, 256> byCharacter{};
  for (int i = 1; i <= colours; ++i) {
    const char* line = xpm[i];
    // The key, then " c " and the colour.
    std::uint32_t pixel = 0;
    if (std::strlen(line) < charsPerPixel + 3 ||
        std::strncmp(line + charsPerPixel, " c ", 3) != 0 ||
        !ParseColour(line + charsPerPixel + 3, order, pixel)) {
      return {};
    }
    palette.emplace_back(std::string_view(line, charsPerPixel), pixel);
    byCharacter[static_cast<unsigned char>(line[0])] = pixel;
  }
  XpmPicture picture{width, height, {}};
  picture.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const char* row = xpm[1 + colours + y];
    if (std::strlen(row) != charsPerPixel * static_cast<std::size_t>(width)) {
      return {};
    }
    for (int x = 0; x < width; ++x) {
      if (charsPerPixel == 1) {
        const std::uint32_t pixel = byCharacter[static_cast<unsigned char>(row[x])];
        if (pixel == 0) {
          return {};
        }
        picture.pixels.push_back(pixel);
        continue;
      }
      const std::string_view key(row + charsPerPixel * static_cast<std::size_t>(x), charsPerPixel);
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

}  // namespace stonewick
