// The Shift-JIS pass: Shift-JIS to GBK by direct lookup, GBK to Shift-JIS through the reverse index.
#include <array>
#include <cstring>

#include "convert/conversion.h"
#include "convert/shift_jis_index.h"
#include "convert/shift_jis_pairs.h"
#include "convert/span_walk.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

void Put(unsigned char* p, uint16_t code) {
  p[0] = static_cast<unsigned char>(code >> 8);
  p[1] = static_cast<unsigned char>(code);
}

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
  return WalkPairs(bytes, n, [&answers](unsigned char* p) {
    if (p[1] != 0) Put(p, answers[(p[0] - 0x80) << 8 | p[1]]);
  });
}

// The GBK code for every Shift-JIS pair with a first byte of 0x80 or more (PunctuationPairs first,
// then ShiftJisToGbkTable), or 0 where no pair starts: the same one-lookup form as kind 6.
ShiftJisAnswers BuildGbkAnswers() {
  ShiftJisAnswers answers{};
  for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
    for (unsigned trail = 0; trail <= 0xFF; ++trail) {
      int entry = ShiftJisEntry(lead, trail);
      if (entry < 0) continue;
      uint16_t gbk = static_cast<uint16_t>(ShiftJisToGbkTable[2 * entry] << 8 | ShiftJisToGbkTable[2 * entry + 1]);
      for (const ShiftJisGbkPair& row : PunctuationPairs) {
        if (row.shiftJis == (lead << 8 | trail)) {
          gbk = row.gbk;
          break;
        }
      }
      answers[(lead - 0x80) << 8 | trail] = gbk;
    }
  }
  return answers;
}

const ShiftJisAnswers& ShiftJisToGbkAnswers() {
  static const ShiftJisAnswers answers = BuildGbkAnswers();  // thread-safe first use
  return answers;
}

// Converts the Shift-JIS pair at p, or, when no pair starts there, makes its first byte "?" and
// leaves the next byte to be read afresh. Returns how many bytes it took. Written without
// branches, as GBK or mixed input switches between the two outcomes unpredictably.
inline size_t ConvertShiftJisAt(const ShiftJisAnswers& answers, unsigned char* p) {
  uint16_t gbk = answers[(p[0] - 0x80) << 8 | p[1]];
  bool pair = gbk != 0;
  Put(p, pair ? gbk : static_cast<uint16_t>('?' << 8 | p[1]));
  return pair ? 2 : 1;
}

size_t ShiftJisToGbkSpan(unsigned char* bytes, size_t n) {
  const ShiftJisAnswers& answers = ShiftJisToGbkAnswers();
  // After the run only a pair can be left: a "?" there leaves the single byte after it as it is.
  auto convertPair = [&answers](unsigned char* p, size_t at) { ConvertShiftJisAt(answers, p + at); };
  auto convertRun = [&answers](unsigned char* p, size_t j, size_t end) {
    while (j + 1 < end) j += ConvertShiftJisAt(answers, p + j);
    return j;
  };
  return WalkRuns(bytes, n, convertRun, convertPair);
}

}  // namespace

size_t ShiftJisPassSpan(unsigned char* bytes, size_t n, int32_t kind) {
  return kind == GbkToShiftJis ? GbkToShiftJisSpan(bytes, n) : ShiftJisToGbkSpan(bytes, n);
}

void ShiftJisPass(char* text, int32_t kind) {
  ShiftJisPassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text), kind);
}

}  // namespace tessavia
