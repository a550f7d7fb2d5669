// ConvertText and the dispatch of the seven kinds to their passes.
#include <cstring>

#include "convert/conversion.h"
#include "convert/tables.h"

namespace tessavia {

Text ConvertText(const char* source, int32_t kind) {
  if (!source || !*source) return nullptr;
  size_t n = std::strlen(source);
  char* copy = static_cast<char*>(Allocate(static_cast<int32_t>(n + 1)));
  std::memcpy(copy, source, n + 1);
  ConvertInPlace(copy, kind);
  return copy;
}

bool ConvertInPlace(char* text, int32_t kind) {
  if (kind < GbkToBig5 || kind > ShiftJisToGbk) return false;
  if (!text) return true;
  switch (kind) {
    case GbkToShiftJis:
    case ShiftJisToGbk:
      ShiftJisPass(text, kind);
      return true;
    case Big5ToGbk:
      Big5Pass(text);
      return true;
    case Big5ToGbkSimp:
      Big5Pass(text);
      GbkPass(text, TradToSimpTable.data());
      return true;
    case GbkToBig5:
      GbkPass(text, GbkToBig5Table.data());
      return true;
    case TradToSimp:
      GbkPass(text, TradToSimpTable.data());
      return true;
    case SimpToTrad:
      GbkPass(text, SimpToTradTable.data());
      return true;
  }
  return true;
}

}  // namespace tessavia
