// Checkpoints in the page: the CRC-32 of a dump computed here, with the reflected polynomial,
// the all-ones start and the final inversion of zlib's crc32, so that every browser writes
// the checkpoints the desktop's zlib checks, at once and without waiting on the browser.
#include <array>
#include <cstddef>
#include <cstdint>

#include "recording_format/checkpoint.h"

namespace stonewick {
namespace {

constexpr std::uint32_t kReflectedPolynomial = 0xEDB88320U;

// The CRC of each byte value, so that a dump is one table look-up a byte.
constexpr std::array<std::uint32_t, 256> kByteCrcs = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t byte = 0; byte < table.size(); ++byte) {
    std::uint32_t crc = byte;
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1U) != 0 ? (crc >> 1) ^ kReflectedPolynomial : crc >> 1;
    }
    table[byte] = crc;
  }
  return table;
}();

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFU;
  for (const char c : bytes) {
    crc = kByteCrcs[(crc ^ static_cast<unsigned char>(c)) & 0xFFU] ^ (crc >> 8);
  }
  return crc ^ 0xFFFFFFFFU;
}

}  // namespace

std::string Checkpoint(std::string_view dump) {
  std::uint32_t crc = Crc32(dump);
  // Eight lower-case hexadecimal digits, leading zeros included.
  std::string digits(8, '0');
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit, crc >>= 4) {
    *digit = "0123456789abcdef"[crc & 0xFU];
  }
  return digits;
}

}  // namespace stonewick
