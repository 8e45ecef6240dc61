// Checkpoints from zlib's crc32.
#include "recording_format/checkpoint.h"

#include <zlib.h>

#include <cstdio>

namespace stonewick {

std::string Checkpoint(std::string_view dump) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes at most 4 GiB a call; a dump is a few kilobytes.
  crc = crc32(crc, reinterpret_cast<const Bytef*>(dump.data()), static_cast<uInt>(dump.size()));
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08lx", crc & 0xFFFFFFFFUL);
  return digits;
}

}  // namespace stonewick
