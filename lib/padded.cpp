#include "lib/padded.h"

#include <string>

namespace stonewick {

std::string Padded(long long value, int width) {
  // The digits of the magnitude, taken from the unsigned value so that the smallest number
  // has one too.
  const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
  const std::string digits = std::to_string(magnitude);
  std::string text = value < 0 ? "-" : "";
  const int length = static_cast<int>(text.size() + digits.size());
  if (width > length) {
    text.append(static_cast<std::size_t>(width - length), '0');
  }
  return text + digits;
}

}  // namespace stonewick
