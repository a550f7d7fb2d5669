// The conversion command: a GBK (or BIG5, Shift-JIS) text converted pair by pair through fixed tables.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/pair_tables.h"
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
// GbkPass takes the pair table of a GBK-indexed table (TradToSimpPairs for TradToSimpTable ...).
void GbkPass(char* text, const PairTable& table);
void Big5Pass(char* text);
void ShiftJisPass(char* text, int32_t kind);

// The same passes over n bytes that may hold zero bytes: a zero byte is a character of its own and,
// like the terminator, leaves a lead byte directly before it unchanged. Each returns how many bytes
// are settled: n, or n - 1 when the last byte is a lead byte still waiting for its partner (which
// stays unchanged if nothing follows). A streaming caller converts that byte again in front of
// the next block, so that blocks give what one call over the whole input gives.
size_t GbkPassSpan(unsigned char* bytes, size_t n, const PairTable& table);
size_t Big5PassSpan(unsigned char* bytes, size_t n);
size_t ShiftJisPassSpan(unsigned char* bytes, size_t n, int32_t kind);

// ConvertText and ConvertInPlace run the passes over blocks of this many bytes, so that each block
// is converted while it is in the cache; the result is that of each pass over the whole text.
constexpr size_t kConvertBlock = size_t{16} << 10;

// The passes of a kind: none for an unknown kind, one otherwise. Kind 5's BIG5 pass and GBK pass
// go through one composed table, which gives the same result (tables.cpp says why); ConvertText
// relies on one pass, the streaming converter runs the passes as a list.
int PassCount(int32_t kind);
// Runs pass number `pass` (0-based) of kind over a span; returns its settled count as above.
size_t RunPass(int32_t kind, int pass, unsigned char* bytes, size_t n);

}  // namespace tessavia
