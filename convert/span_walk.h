// How the passes walk a span: 64-byte blocks whose lead bytes follow from bit masks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#ifdef _MSC_VER
#include <intrin.h>
#endif
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
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

// Bit k set when byte k of the 64 bytes at p is 0x80 or more.
inline uint64_t HighBytesOfBlock(const unsigned char* p) {
#if defined(__SSE2__) || defined(_M_X64)
  uint64_t mask = 0;
  for (int k = 0; k < 64; k += 16) {
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
    mask |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(x))) << k;
  }
  return mask;
#else
  uint64_t mask = 0;
  for (int k = 0; k < 64; k += 8) mask |= HighBytesOfWord(p + k) << k;
  return mask;
#endif
}

// Bit k set when byte k of the n (below 64) bytes at p is 0x80 or more.
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
  constexpr uint64_t kEven = 0x5555555555555555ull;
  size_t base = 0;
  bool partnerFirst = false;  // byte 0 of this block is the partner of the pair before it
  // The mask of each block is read before the block before it is converted: a pair that ends a
  // block writes the next block's first byte, and a load that overlaps a store still on its way
  // waits for it. That byte's mask bit does not count anyway, since it is a partner.
  uint64_t next = n >= 64 ? HighBytesOfBlock(bytes) : 0;
  for (; base + 64 <= n; base += 64) {
    uint64_t high = next;
    if (base + 128 <= n) next = HighBytesOfBlock(bytes + base + 64);
    if (partnerFirst) high &= ~uint64_t{1};
    uint64_t starts = PairStarts(high);
    unsigned char* block = bytes + base;
    if (base + 64 == n && (starts >> 63) != 0) {
      // The last byte of the span waits for its partner.
      for (starts &= ~(uint64_t{1} << 63); starts; starts &= starts - 1) convertPair(block + LowestBit(starts));
      return n - 1;
    }
    partnerFirst = (starts >> 63) != 0;
    // 32 pairs side by side, the usual block of Chinese text, on either parity: no bits to look for.
    if (starts == kEven) {
      for (int k = 0; k < 64; k += 2) convertPair(block + k);
    } else if (starts == kEven << 1) {
      for (int k = 1; k < 64; k += 2) convertPair(block + k);
    } else {
      for (; starts; starts &= starts - 1) convertPair(block + LowestBit(starts));
    }
  }
  if (base == n) return n;
  // The short last block.
  size_t size = n - base;
  uint64_t high = HighBytes(bytes + base, size);
  if (partnerFirst) high &= ~uint64_t{1};
  uint64_t starts = PairStarts(high);
  uint64_t last = uint64_t{1} << (size - 1);
  bool waiting = (starts & last) != 0;
  for (starts &= ~last; starts; starts &= starts - 1) convertPair(bytes + base + LowestBit(starts));
  return waiting ? n - 1 : n;
}

}  // namespace tessavia
