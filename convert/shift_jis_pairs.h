// The fixed pairs that the Shift-JIS pass consults before its table.
#pragma once

#include <cstdint>

namespace tessavia {

// Codes are two bytes, first byte high: 0x8145 is the pair 81 45.
struct ShiftJisGbkPair {
  uint16_t shiftJis;
  uint16_t gbk;
};

// Compared in this order before ShiftJisToGbkTable, in both directions.
extern const ShiftJisGbkPair PunctuationPairs[8];

// A Chinese character and the GBK code of its Japanese form, searched in its place (GBK to Shift-JIS).
struct JapaneseFormPair {
  uint16_t gbk;
  uint16_t searchedAs;
};
extern const JapaneseFormPair JapaneseFormPairs[36];

}  // namespace tessavia
