// The BIG5 pass: every BIG5 pair replaced by its GBK entry in Big5ToGbkTable.
#include <cstring>

#include "convert/conversion.h"
#include "convert/table_pass.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

constexpr EntryParts kBig5Parts = SplitEntries(Big5Entry, 0xA0, 0x40);

}  // namespace

size_t Big5PassSpan(unsigned char* bytes, size_t n) {
  return TablePassSpan(bytes, n, kBig5Parts, Big5ToGbkTable.data());
}

void Big5Pass(char* text) { Big5PassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text)); }

}  // namespace tessavia
