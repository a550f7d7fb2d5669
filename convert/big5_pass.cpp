// The BIG5 pass: every BIG5 pair replaced by its GBK entry in Big5ToGbkTable.
#include <cstring>

#include "convert/ascii_run.h"
#include "convert/conversion.h"
#include "convert/tables.h"

namespace tessavia {

size_t Big5PassSpan(unsigned char* bytes, size_t n) {
  size_t i = 0;
  for (;;) {
    i = SkipSingleBytes(bytes, i, n);
    if (i == n) return n;
    if (i + 1 == n) return i;
    int entry = Big5Entry(bytes[i], bytes[i + 1]);
    if (entry >= 0) {
      bytes[i] = Big5ToGbkTable[2 * entry];
      bytes[i + 1] = Big5ToGbkTable[2 * entry + 1];
    }
    i += 2;
  }
}

void Big5Pass(char* text) { Big5PassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text)); }

}  // namespace tessavia
