// The Shift-JIS pass: Shift-JIS to GBK by direct lookup, GBK to Shift-JIS through the reverse index.
#include <array>
#include <cstring>

#include "convert/ascii_run.h"
#include "convert/conversion.h"
#include "convert/shift_jis_index.h"
#include "convert/shift_jis_pairs.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

// The whole answer of kind 6 for every pair with a first byte of 0x80 or more, decided once by
// GbkPairToShiftJis, so that the pass makes one lookup per pair instead of up to 44 comparisons
// and two searches.
using ShiftJisAnswers = std::array<uint16_t, 128 * 256>;

ShiftJisAnswers BuildShiftJisAnswers() {
  ShiftJisAnswers answers{};
  for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
    for (unsigned trail = 1; trail <= 0xFF; ++trail) {
      answers[(lead - 0x80) << 8 | trail] = GbkPairToShiftJis(lead, trail);
    }
  }
  return answers;
}

const ShiftJisAnswers& GbkToShiftJisAnswers() {
  static const ShiftJisAnswers answers = BuildShiftJisAnswers();  // thread-safe first use
  return answers;
}

size_t GbkToShiftJisSpan(unsigned char* bytes, size_t n) {
  const ShiftJisAnswers& answers = GbkToShiftJisAnswers();
  size_t i = 0;
  for (;;) {
    i = SkipSingleBytes(bytes, i, n);
    if (i == n) return n;
    if (i + 1 == n) return i;
    unsigned lead = bytes[i], trail = bytes[i + 1];
    if (trail != 0) {
      uint16_t code = answers[(lead - 0x80) << 8 | trail];
      bytes[i] = static_cast<unsigned char>(code >> 8);
      bytes[i + 1] = static_cast<unsigned char>(code);
    }
    i += 2;
  }
}

// Only three lead bytes start a pair that PunctuationPairs overrides.
uint16_t ShiftJisPairToGbk(unsigned lead, unsigned trail, int entry) {
  if (lead == 0x81 || lead == 0x91 || lead == 0x97) {
    uint16_t pair = static_cast<uint16_t>(lead << 8 | trail);
    for (const ShiftJisGbkPair& row : PunctuationPairs) {
      if (row.shiftJis == pair) return row.gbk;
    }
  }
  return static_cast<uint16_t>(ShiftJisToGbkTable[2 * entry] << 8 | ShiftJisToGbkTable[2 * entry + 1]);
}

size_t ShiftJisToGbkSpan(unsigned char* bytes, size_t n) {
  size_t i = 0;
  for (;;) {
    i = SkipSingleBytes(bytes, i, n);
    if (i == n) return n;
    if (i + 1 == n) return i;
    unsigned lead = bytes[i], trail = bytes[i + 1];
    if (trail == 0) {  // a lead byte before a zero byte stays, as before the terminator
      i += 2;
      continue;
    }
    int entry = ShiftJisEntry(lead, trail);
    if (entry < 0) {
      // No Shift-JIS pair starts here: this byte alone becomes "?" and its neighbour is read afresh.
      bytes[i] = '?';
      i += 1;
      continue;
    }
    uint16_t gbk = ShiftJisPairToGbk(lead, trail, entry);
    bytes[i] = static_cast<unsigned char>(gbk >> 8);
    bytes[i + 1] = static_cast<unsigned char>(gbk);
    i += 2;
  }
}

}  // namespace

size_t ShiftJisPassSpan(unsigned char* bytes, size_t n, int32_t kind) {
  return kind == GbkToShiftJis ? GbkToShiftJisSpan(bytes, n) : ShiftJisToGbkSpan(bytes, n);
}

void ShiftJisPass(char* text, int32_t kind) {
  ShiftJisPassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text), kind);
}

}  // namespace tessavia
