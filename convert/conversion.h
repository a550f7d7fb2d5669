// The conversion command: a GBK (or BIG5, Shift-JIS) text converted pair by pair through fixed tables.
#pragma once

#include <cstdint>

#include "runtime/text_values.h"

namespace tessavia {

// The seven kinds; any other value converts nothing.
enum ConversionKind : int32_t {
  GbkToBig5 = 1,
  Big5ToGbk = 2,
  TradToSimp = 3,
  SimpToTrad = 4,
  Big5ToGbkSimp = 5,
  GbkToShiftJis = 6,
  ShiftJisToGbk = 7,
};

// A new Text of the source's length, converted by kind (an unchanged copy for an unknown kind);
// null for a null or empty source. The source is never written to.
Text ConvertText(const char* source, int32_t kind);

// Converts a NUL-terminated text where it lies; false (text untouched) for an unknown kind.
bool ConvertInPlace(char* text, int32_t kind);

// The passes. Each walks to the terminator; a lead byte takes the next byte as its partner.
void GbkPass(char* text, const unsigned char* table);
void Big5Pass(char* text);
void ShiftJisPass(char* text, int32_t kind);

}  // namespace tessavia
