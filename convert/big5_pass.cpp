// The BIG5 pass: every BIG5 pair replaced by its GBK entry in Big5ToGbkTable.
#include <array>
#include <cstring>

#include "convert/conversion.h"
#include "convert/span_walk.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

// Big5Entry split into row and column parts, -1 where the byte has none (as in the GBK pass).
struct Big5Parts {
  std::array<int32_t, 256> row{};
  std::array<int32_t, 256> column{};
};

constexpr Big5Parts MakeBig5Parts() {
  Big5Parts parts;
  for (unsigned byte = 0; byte < 256; ++byte) {
    parts.row[byte] = Big5Entry(byte, 0x40) >= 0 ? Big5Entry(byte, 0x40) : -1;
    parts.column[byte] = Big5Entry(0xA0, byte);
  }
  return parts;
}
constexpr Big5Parts kBig5Parts = MakeBig5Parts();

}  // namespace

size_t Big5PassSpan(unsigned char* bytes, size_t n) {
  const unsigned char* table = Big5ToGbkTable.data();
  return WalkPairs(bytes, n, [table](unsigned char* p) {
    int32_t row = kBig5Parts.row[p[0]], column = kBig5Parts.column[p[1]];
    ReplacePairIf((row | column) >= 0, p, table, row + column);
  });
}

void Big5Pass(char* text) { Big5PassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text)); }

}  // namespace tessavia
