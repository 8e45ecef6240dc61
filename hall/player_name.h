// Which names a player may take: 1 to 24 letters, digits, spaces, '-' or '_', in any script,
// as well-formed UTF-8, with no space at either end.
#pragma once

#include <string_view>

namespace stonewick::hall {

inline constexpr std::size_t kLongestName = 24;  // characters, not bytes

bool IsAllowedName(std::string_view name);

}  // namespace stonewick::hall
