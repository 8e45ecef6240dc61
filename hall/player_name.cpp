// Names are decoded strictly (no overlong forms, no surrogates, nothing past U+10FFFF) and
// every character is classified by the C library's Unicode tables (the C.UTF-8 locale).
#include "hall/player_name.h"

#include <locale.h>
#include <wctype.h>

#include <cstdint>
#include <optional>

namespace stonewick::hall {
namespace {

// The next character of `text` from `at`, moving `at` past it; none when the bytes there are
// not well-formed UTF-8.
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(at);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (at + length > text.size()) {
    return std::nullopt;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) {
      return std::nullopt;
    }
    value = (value << 6) | (byte(at + i) & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return std::nullopt;
  }
  at += length;
  return value;
}

bool IsLetterOrDigit(char32_t character) {
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (unicode == locale_t{}) {
    return character < 0x80 && iswalnum(static_cast<wint_t>(character));
  }
  return iswalnum_l(static_cast<wint_t>(character), unicode) != 0;
}

}  // namespace

bool IsAllowedName(std::string_view name) {
  if (name.empty() || name.front() == ' ' || name.back() == ' ') {
    return false;
  }
  std::size_t characters = 0;
  for (std::size_t at = 0; at < name.size();) {
    const auto character = NextCharacter(name, at);
    if (!character || ++characters > kLongestName) {
      return false;
    }
    if (!(*character == ' ' || *character == '-' || *character == '_' ||
          IsLetterOrDigit(*character))) {
      return false;
    }
  }
  return true;
}

}  // namespace stonewick::hall
