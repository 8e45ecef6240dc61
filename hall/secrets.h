// The hall's secrets: fresh tokens from the system's random source, and SHA-256 for keeping
// them only as hashes (and for telling recordings apart), both from OpenSSL's libcrypto.
#pragma once

#include <string>
#include <string_view>

namespace stonewick::hall {

// 32 random bytes as 64 lower-case hexadecimal digits.
std::string NewToken();
// The SHA-256 of `data`, as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view data);
// Compares two hashes in a time that does not depend on where they differ.
bool SameHash(std::string_view a, std::string_view b);

}  // namespace stonewick::hall
