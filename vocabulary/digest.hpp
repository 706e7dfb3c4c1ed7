// A 64-bit FNV-1a digest of bytes: enough to tell that a file is no longer
// what was read of it, not to guard against one made to collide.
#pragma once

#include <cstdint>
#include <string_view>

namespace vesk_mg {

// The digest of nothing.
inline constexpr std::uint64_t empty_digest = 0xCBF29CE484222325;

// `digest` carried on over `bytes`.
constexpr std::uint64_t digest_with(std::uint64_t digest, std::string_view bytes) {
  constexpr std::uint64_t prime = 0x100000001B3;
  for (const char c : bytes) digest = (digest ^ static_cast<unsigned char>(c)) * prime;
  return digest;
}

}  // namespace vesk_mg
