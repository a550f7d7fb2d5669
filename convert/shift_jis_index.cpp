// GBK to Shift-JIS: the reverse index over ShiftJisToGbkTable and the rules that decide one pair.
#include "convert/shift_jis_index.h"

#include <array>

#include "convert/shift_jis_pairs.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

using ReverseIndex = std::array<int16_t, 65536>;

// Filled from the last entry down, so that where a code stands several times the lowest entry
// number is the one kept, as a search from entry 0 would find it.
ReverseIndex BuildReverseIndex() {
  ReverseIndex index;
  index.fill(-1);
  for (int entry = kShiftJisRows * kShiftJisColumns - 1; entry >= 0; --entry) {
    uint16_t gbk = static_cast<uint16_t>(ShiftJisToGbkTable[2 * entry] << 8 | ShiftJisToGbkTable[2 * entry + 1]);
    index[gbk] = static_cast<int16_t>(entry);
  }
  return index;
}

constexpr uint16_t kNoCounterpart = 0x3F3F;  // "??"

}  // namespace

int LowestShiftJisEntry(uint16_t gbk) {
  static const ReverseIndex index = BuildReverseIndex();  // built once; C++ makes the first use thread-safe
  return index[gbk];
}

uint16_t ShiftJisCodeOf(int entry) {
  int q = entry / kShiftJisColumns, r = entry % kShiftJisColumns;
  int lead = q <= 30 ? 0x81 + q : 0xE0 + (q - 31);
  int trail = r <= 62 ? 0x40 + r : 0x80 + (r - 63);
  return static_cast<uint16_t>(lead << 8 | trail);
}

uint16_t GbkPairToShiftJis(unsigned lead, unsigned trail) {
  uint16_t pair = static_cast<uint16_t>(lead << 8 | trail);
  for (const ShiftJisGbkPair& row : PunctuationPairs) {
    if (row.gbk == pair) return row.shiftJis;
  }
  uint16_t key = pair;
  for (const JapaneseFormPair& row : JapaneseFormPairs) {
    if (row.gbk == pair) {
      key = row.searchedAs;
      break;
    }
  }
  int entry = LowestShiftJisEntry(key);
  if (entry >= 0) return ShiftJisCodeOf(entry);
  // Not there as it is: a Simplified character may stand in the table in its Traditional form.
  int gbkEntry = GbkEntry(lead, trail);
  if (gbkEntry < 0) return kNoCounterpart;
  uint16_t traditional =
      static_cast<uint16_t>(SimpToTradTable[2 * gbkEntry] << 8 | SimpToTradTable[2 * gbkEntry + 1]);
  if (traditional == key) return kNoCounterpart;
  entry = LowestShiftJisEntry(traditional);
  return entry >= 0 ? ShiftJisCodeOf(entry) : kNoCounterpart;
}

}  // namespace tessavia
