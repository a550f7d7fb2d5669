// How the passes walk a span: 64-byte blocks whose lead bytes follow from bit masks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#ifdef _MSC_VER
#include <intrin.h>
#endif

namespace tessavia {

constexpr uint64_t kHighBits = 0x8080808080808080ull;

inline uint64_t LoadWord(const unsigned char* p) {
  uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}

// The position of the lowest set bit (non-zero mask).
inline int LowestBit(uint64_t mask) {
#ifdef _MSC_VER
  unsigned long bit;
  _BitScanForward64(&bit, mask);
  return static_cast<int>(bit);
#else
  return __builtin_ctzll(mask);
#endif
}

// Bit k set when byte k of the eight at p is 0x80 or more.
inline uint64_t HighBytesOfWord(const unsigned char* p) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
  uint64_t mask = 0;
  for (int k = 0; k < 8; ++k) mask |= static_cast<uint64_t>(p[k] >> 7) << k;
  return mask;
#else
  // The eight top bits gathered into one byte by a multiplication whose partial products do not overlap.
  return ((LoadWord(p) & kHighBits) * 0x0002040810204081ull) >> 56;
#endif
}

// Bit k set when byte k of the n (at most 64) bytes at p is 0x80 or more.
inline uint64_t HighBytes(const unsigned char* p, size_t n) {
  uint64_t mask = 0;
  size_t k = 0;
  for (; k + 8 <= n; k += 8) mask |= HighBytesOfWord(p + k) << k;
  for (; k < n; ++k) mask |= static_cast<uint64_t>(p[k] >> 7) << k;
  return mask;
}

// Which high bytes start a pair, when byte 0 starts a character. Every run of high bytes starts a
// character (the byte before it is single, or the partner of a pair), and inside a run the pairs
// start at every second byte; so the starts are the bytes at the run start's parity. Adding each
// even-placed run start to the mask clears exactly the runs that start at even places.
inline uint64_t PairStarts(uint64_t high) {
  constexpr uint64_t kEven = 0x5555555555555555ull;
  uint64_t runStarts = high & ~(high << 1);
  uint64_t evenRuns = high & ~((runStarts & kEven) + high);
  return (evenRuns & kEven) | ((high ^ evenRuns) & ~kEven);
}

// Walks n bytes, in blocks of 64, calling convertPair(p) for every pair whose lead byte is at p:
// a byte of 0x80 or more takes the next byte as its partner, whatever it is. convertPair leaves a
// pair with a zero partner as it is (a lead byte before a zero stays, as before the terminator).
// Returns n, or the position of a lead byte at the very end, which waits for a partner.
template <typename ConvertPair>
size_t WalkPairs(unsigned char* bytes, size_t n, ConvertPair convertPair) {
  size_t base = 0;
  bool partnerFirst = false;  // byte 0 of this block is the partner of the pair before it
  while (base < n) {
    size_t size = n - base < 64 ? n - base : 64;
    uint64_t high = size == 64 ? HighBytes(bytes + base, 64) : HighBytes(bytes + base, size);
    if (partnerFirst) high &= ~uint64_t{1};
    uint64_t starts = PairStarts(high);
    uint64_t last = uint64_t{1} << (size - 1);
    partnerFirst = (starts & last) != 0;
    if (partnerFirst && base + size == n) {
      starts &= ~last;
      for (; starts; starts &= starts - 1) convertPair(bytes + base + LowestBit(starts));
      return n - 1;
    }
    if (starts == 0x5555555555555555ull) {
      // 32 pairs side by side, the usual block of Chinese text: no bits to look for.
      for (int k = 0; k < 64; k += 2) convertPair(bytes + base + k);
    } else {
      for (; starts; starts &= starts - 1) convertPair(bytes + base + LowestBit(starts));
    }
    base += size;
  }
  return n;
}

// Overwrites the pair at p with the table's entry when covered, and otherwise leaves it. The choice
// is a select, not a branch: in mixed text, pairs inside and outside a table's ranges follow each
// other unpredictably. An uncovered pair reads itself instead of an entry.
inline void ReplacePairIf(bool covered, unsigned char* p, const unsigned char* table, int32_t entry) {
  const unsigned char* source = covered ? table + 2 * (covered ? entry : 0) : p;
  uint16_t pair;
  std::memcpy(&pair, source, 2);
  std::memcpy(p, &pair, 2);
}

}  // namespace tessavia
