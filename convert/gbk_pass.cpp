// The GBK pass: every double-byte GBK pair replaced by its entry in a GBK-indexed table.
#include "convert/conversion.h"
#include "convert/tables.h"

namespace tessavia {

void GbkPass(char* text, const unsigned char* table) {
  auto* p = reinterpret_cast<unsigned char*>(text);
  for (;;) {
    unsigned b = p[0];
    if (b == 0) return;
    if (b < 0x80) {
      ++p;
      continue;
    }
    // A lead byte takes the next byte as its partner, whatever it is; before the terminator it stays.
    unsigned t = p[1];
    if (t == 0) return;
    int entry = GbkEntry(b, t);
    if (entry >= 0) {
      p[0] = table[2 * entry];
      p[1] = table[2 * entry + 1];
    }
    p += 2;
  }
}

}  // namespace tessavia
