// Skipping runs of single-byte characters, a word at a time: the passes' fast path over ASCII.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tessavia {

// The position of the first byte of 0x80 or more at or after i, or n. Bytes below 0x80 (zero bytes
// among them) are characters of their own that every pass leaves alone, so they need no visit.
inline size_t SkipSingleBytes(const unsigned char* bytes, size_t i, size_t n) {
  while (n - i >= 8) {
    uint64_t word;
    std::memcpy(&word, bytes + i, 8);
    if (word & 0x8080808080808080ull) break;
    i += 8;
  }
  while (i < n && bytes[i] < 0x80) ++i;
  return i;
}

}  // namespace tessavia
