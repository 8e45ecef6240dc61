// The checkpoint of a state: the CRC-32 of the text of its dump (every line ending in a
// newline), with the polynomial and conventions of zlib's crc32 (also gzip's and PNG's), as
// eight lower-case hexadecimal digits. A recording writes one after every block.
#pragma once

#include <string>
#include <string_view>

namespace stonewick {

std::string Checkpoint(std::string_view dump);

}  // namespace stonewick
