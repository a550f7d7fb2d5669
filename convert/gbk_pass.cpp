// The GBK pass: every double-byte GBK pair replaced by its entry in a GBK-indexed table.
#include <cstring>

#include "convert/ascii_run.h"
#include "convert/conversion.h"
#include "convert/tables.h"

namespace tessavia {

size_t GbkPassSpan(unsigned char* bytes, size_t n, const unsigned char* table) {
  size_t i = 0;
  for (;;) {
    i = SkipSingleBytes(bytes, i, n);
    if (i == n) return n;
    // A lead byte takes the next byte as its partner, whatever it is; with none yet it waits.
    if (i + 1 == n) return i;
    int entry = GbkEntry(bytes[i], bytes[i + 1]);
    if (entry >= 0) {
      bytes[i] = table[2 * entry];
      bytes[i + 1] = table[2 * entry + 1];
    }
    i += 2;
  }
}

void GbkPass(char* text, const unsigned char* table) {
  GbkPassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text), table);
}

}  // namespace tessavia
