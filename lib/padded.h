// Whole numbers written with leading zeros, as dates and play times show them, without
// printf: the page's program is smaller without it.
#pragma once

#include <string>

namespace stonewick {

// `value` in decimal, with zeros after any minus sign to make at least `width` characters.
std::string Padded(long long value, int width);

}  // namespace stonewick
