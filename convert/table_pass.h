// A pass that replaces every pair by its answer in a pair table: the GBK and BIG5 passes.
#pragma once

#include <cstddef>

#include "convert/pair_tables.h"
#include "convert/span_walk.h"

namespace tessavia {

// Converts the pairs of n bytes through table; returns the settled count as the passes do. A pair
// with a zero partner maps to itself in every table, as a lead byte before the terminator stays.
inline size_t TablePassSpan(unsigned char* bytes, size_t n, const PairTable& table) {
  return WalkPairs(bytes, n, [&table](unsigned char* p) { ReplacePair(p, table); });
}

}  // namespace tessavia
