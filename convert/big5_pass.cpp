// The BIG5 pass: every BIG5 pair replaced by its GBK entry in Big5ToGbkTable.
#include "convert/conversion.h"
#include "convert/tables.h"

namespace tessavia {

void Big5Pass(char* text) {
  auto* p = reinterpret_cast<unsigned char*>(text);
  for (;;) {
    unsigned b = p[0];
    if (b == 0) return;
    if (b < 0x80) {
      ++p;
      continue;
    }
    unsigned t = p[1];
    if (t == 0) return;
    int entry = Big5Entry(b, t);
    if (entry >= 0) {
      p[0] = Big5ToGbkTable[2 * entry];
      p[1] = Big5ToGbkTable[2 * entry + 1];
    }
    p += 2;
  }
}

}  // namespace tessavia
