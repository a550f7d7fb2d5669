// ConvertText and the dispatch of the seven kinds to their passes.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "convert/conversion.h"
#include "convert/tables.h"
#include "runtime/fatal_error.h"

namespace tessavia {
namespace {

// Every pass of the kind over the whole span; a lone lead byte at the end simply stays.
void ConvertSpan(unsigned char* bytes, size_t n, int32_t kind) {
  for (int pass = 0; pass < PassCount(kind); ++pass) RunPass(kind, pass, bytes, n);
}

}  // namespace

Text ConvertText(const char* source, int32_t kind) {
  if (!source || !*source) return nullptr;
  size_t n = std::strlen(source);
  // Allocate takes a 32-bit size: a longer text is refused as an allocation the heap cannot
  // give, rather than cut to a size that wraps around and is then overrun.
  if (n >= static_cast<size_t>(INT32_MAX)) {
    char message[80];
    std::snprintf(message, sizeof message, "分配 %llu 字节内存失败!", static_cast<unsigned long long>(n) + 1);
    ReportFatalError(0, message);
  }
  char* copy = static_cast<char*>(Allocate(static_cast<int32_t>(n + 1)));
  std::memcpy(copy, source, n + 1);
  ConvertSpan(reinterpret_cast<unsigned char*>(copy), n, kind);
  return copy;
}

bool ConvertInPlace(char* text, int32_t kind) {
  if (kind < GbkToBig5 || kind > ShiftJisToGbk) return false;
  if (!text) return true;
  ConvertSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text), kind);
  return true;
}

int PassCount(int32_t kind) {
  if (kind < GbkToBig5 || kind > ShiftJisToGbk) return 0;
  return kind == Big5ToGbkSimp ? 2 : 1;
}

size_t RunPass(int32_t kind, int pass, unsigned char* bytes, size_t n) {
  switch (kind) {
    case GbkToBig5:
      return GbkPassSpan(bytes, n, GbkToBig5Table.data());
    case Big5ToGbk:
      return Big5PassSpan(bytes, n);
    case TradToSimp:
      return GbkPassSpan(bytes, n, TradToSimpTable.data());
    case SimpToTrad:
      return GbkPassSpan(bytes, n, SimpToTradTable.data());
    case Big5ToGbkSimp:
      // BIG5 to GBK first, then the Simplified forms over the GBK that came out.
      return pass == 0 ? Big5PassSpan(bytes, n) : GbkPassSpan(bytes, n, TradToSimpTable.data());
    case GbkToShiftJis:
    case ShiftJisToGbk:
      return ShiftJisPassSpan(bytes, n, kind);
  }
  return n;
}

}  // namespace tessavia
