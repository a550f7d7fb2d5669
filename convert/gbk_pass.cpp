// The GBK pass: every double-byte GBK pair replaced by its entry in a GBK-indexed table.
#include <cstring>

#include "convert/conversion.h"
#include "convert/table_pass.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

constexpr EntryParts kGbkParts = SplitEntries(GbkEntry, 0x81, 0x40);

}  // namespace

size_t GbkPassSpan(unsigned char* bytes, size_t n, const unsigned char* table) {
  return TablePassSpan(bytes, n, kGbkParts, table);
}

void GbkPass(char* text, const unsigned char* table) {
  GbkPassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text), table);
}

}  // namespace tessavia
