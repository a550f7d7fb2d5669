// Pair tables: what a table does to any two bytes, indexed by the two bytes read as one 16-bit value.
#pragma once

#include <cstdint>
#include <cstring>

namespace tessavia {

// Byte order of a 16-bit load, for the tables to be indexed by it and to hold stores.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
constexpr bool kLittleEndian = false;
#else
constexpr bool kLittleEndian = true;
#endif

// The 16-bit value whose bytes in memory are first, then second.
constexpr uint16_t PairValue(unsigned first, unsigned second) {
  return static_cast<uint16_t>(kLittleEndian ? (second << 8 | first) : (first << 8 | second));
}

// For every two bytes as they lie in memory, read as one 16-bit value, what turns them into the
// two bytes that replace them: the value XOR its replacement, zero for the pairs that stay (every
// pair outside a table's ranges among them). So a pass needs no range test and no select: one
// load, one lookup, one XOR, one store. 128 KiB, so a table stays in the level-2 cache.
struct PairTable {
  uint16_t change[65536];
};

// Derived at compile time from the GBK- and BIG5-indexed tables of tables.h.
extern const PairTable& TradToSimpPairs;
extern const PairTable& SimpToTradPairs;
extern const PairTable& GbkToBig5Pairs;
extern const PairTable& Big5ToGbkPairs;
// Big5ToGbkTable, then TradToSimpTable: kind 5 in one pass, which gives what its two passes give.
extern const PairTable& Big5ToGbkSimpPairs;

// The pair at p replaced by its answer.
inline void ReplacePair(unsigned char* p, const PairTable& table) {
  uint16_t pair;
  std::memcpy(&pair, p, 2);
  pair ^= table.change[pair];
  std::memcpy(p, &pair, 2);
}

}  // namespace tessavia
