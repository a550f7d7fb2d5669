// The GBK pass: every double-byte GBK pair replaced by its entry in a GBK-indexed table.
#include <cstring>

#include "convert/conversion.h"
#include "convert/table_pass.h"

namespace tessavia {

size_t GbkPassSpan(unsigned char* bytes, size_t n, const PairTable& table) { return TablePassSpan(bytes, n, table); }

void GbkPass(char* text, const PairTable& table) {
  GbkPassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text), table);
}

}  // namespace tessavia
