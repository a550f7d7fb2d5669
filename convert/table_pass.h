// A pass that replaces every pair in a table's ranges by its entry: the GBK and BIG5 passes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "convert/span_walk.h"

namespace tessavia {

// A table's entry numbers split into a row part for the lead byte and a column part for the trail
// byte, -1 where a byte has none, so that a pair's entry takes two small lookups and one test
// instead of a branch for each range.
struct EntryParts {
  std::array<int32_t, 256> row{};
  std::array<int32_t, 256> column{};
};

// entryOf(lead, trail) as the table defines it; firstLead and firstTrail have entry numbers.
template <typename EntryOf>
constexpr EntryParts SplitEntries(EntryOf entryOf, unsigned firstLead, unsigned firstTrail) {
  EntryParts parts;
  for (unsigned byte = 0; byte < 256; ++byte) {
    int lead = entryOf(byte, firstTrail), trail = entryOf(firstLead, byte);
    parts.row[byte] = lead >= 0 ? lead : -1;
    parts.column[byte] = trail >= 0 ? trail - entryOf(firstLead, firstTrail) : -1;
  }
  return parts;
}

// Converts the pairs of n bytes through table; returns the settled count as the passes do.
inline size_t TablePassSpan(unsigned char* bytes, size_t n, const EntryParts& parts, const unsigned char* table) {
  return WalkPairs(bytes, n, [&parts, table](unsigned char* p) {
    int32_t row = parts.row[p[0]], column = parts.column[p[1]];
    ReplacePairIf((row | column) >= 0, p, table, row + column);
  });
}

}  // namespace tessavia
