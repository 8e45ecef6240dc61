// Checkpoints in the page: the CRC-32 of a dump from the browser's own gzip, whose trailer
// carries the CRC-32 of what it compressed (the desktop takes zlib's crc32).
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>

#include "recording_format/checkpoint.h"
#include "web/browser.h"

namespace stonewick {

std::string Checkpoint(std::string_view dump) {
  const std::uint32_t crc = page_crc32(dump.data(), static_cast<int>(dump.size()));
  std::array<char, 8> hex{};
  const char* end = std::to_chars(hex.data(), hex.data() + hex.size(), crc, 16).ptr;
  const auto digits = static_cast<std::size_t>(end - hex.data());
  // Eight digits, leading zeros included.
  return std::string(hex.size() - digits, '0').append(hex.data(), digits);
}

}  // namespace stonewick
