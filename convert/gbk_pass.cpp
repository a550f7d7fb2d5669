// The GBK pass: every double-byte GBK pair replaced by its entry in a GBK-indexed table.
#include <array>
#include <cstring>

#include "convert/conversion.h"
#include "convert/span_walk.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

// GbkEntry split into a row part and a column part, -1 where the byte has none, so that the pass
// finds an entry with two small lookups and one test instead of a branch for each range.
struct GbkParts {
  std::array<int32_t, 256> row{};
  std::array<int32_t, 256> column{};
};

constexpr GbkParts MakeGbkParts() {
  GbkParts parts;
  for (unsigned byte = 0; byte < 256; ++byte) {
    parts.row[byte] = GbkEntry(byte, 0x40) >= 0 ? GbkEntry(byte, 0x40) : -1;
    parts.column[byte] = GbkEntry(0x81, byte);
  }
  return parts;
}
constexpr GbkParts kGbkParts = MakeGbkParts();

}  // namespace

size_t GbkPassSpan(unsigned char* bytes, size_t n, const unsigned char* table) {
  return WalkPairs(bytes, n, [table](unsigned char* p) {
    int32_t row = kGbkParts.row[p[0]], column = kGbkParts.column[p[1]];
    ReplacePairIf((row | column) >= 0, p, table, row + column);
  });
}

void GbkPass(char* text, const unsigned char* table) {
  GbkPassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text), table);
}

}  // namespace tessavia
