// ConvertText and the dispatch of the seven kinds to their passes.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "convert/conversion.h"
#include "convert/table_pass.h"
#include "convert/tables.h"
#include "runtime/fatal_error.h"

namespace tessavia {
namespace {

// Copies n bytes from source to target (the same place for a conversion in place) and runs the
// kind's pass over them, a block at a time, so that each block is converted while it is still in
// the cache from being copied. A lead byte that ends a block is held back and taken up in front of
// the next one, so the result is that of one pass over the whole span; at the end it simply stays.
// Every kind is one pass (PassCount).
void CopyAndConvert(const unsigned char* source, unsigned char* target, size_t n, int32_t kind) {
  const bool converts = PassCount(kind) > 0;
  size_t from = 0;  // where the pass goes on
  for (size_t copied = 0; copied < n;) {
    size_t end = n - copied > kConvertBlock ? copied + kConvertBlock : n;
    if (source != target) std::memcpy(target + copied, source + copied, end - copied);
    copied = end;
    if (converts) from += RunPass(kind, 0, target + from, end - from);
  }
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
  CopyAndConvert(reinterpret_cast<const unsigned char*>(source), reinterpret_cast<unsigned char*>(copy), n, kind);
  copy[n] = '\0';
  return copy;
}

bool ConvertInPlace(char* text, int32_t kind) {
  if (kind < GbkToBig5 || kind > ShiftJisToGbk) return false;
  if (!text) return true;
  auto* bytes = reinterpret_cast<unsigned char*>(text);
  CopyAndConvert(bytes, bytes, std::strlen(text), kind);
  return true;
}

int PassCount(int32_t kind) {
  if (kind < GbkToBig5 || kind > ShiftJisToGbk) return 0;
  return 1;
}

size_t RunPass(int32_t kind, [[maybe_unused]] int pass, unsigned char* bytes, size_t n) {
  switch (kind) {
    case GbkToBig5:
      return GbkPassSpan(bytes, n, GbkToBig5Pairs);
    case Big5ToGbk:
      return Big5PassSpan(bytes, n);
    case TradToSimp:
      return GbkPassSpan(bytes, n, TradToSimpPairs);
    case SimpToTrad:
      return GbkPassSpan(bytes, n, SimpToTradPairs);
    case Big5ToGbkSimp:
      // The BIG5 pass and then the GBK pass with TradToSimpTable, through one table.
      return TablePassSpan(bytes, n, Big5ToGbkSimpPairs);
    case GbkToShiftJis:
    case ShiftJisToGbk:
      return ShiftJisPassSpan(bytes, n, kind);
  }
  return n;
}

}  // namespace tessavia
