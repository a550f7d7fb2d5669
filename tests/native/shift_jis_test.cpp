// GBK to Shift-JIS: the reverse index and the whole kind-6 answer against a plain search from entry 0.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "convert/conversion.h"
#include "convert/shift_jis_index.h"
#include "convert/shift_jis_pairs.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

constexpr int kEntries = kShiftJisRows * kShiftJisColumns;

// The search the pass is defined by: entry 0 upwards, first hit wins.
int ScanFromEntryZero(unsigned gbk) {
  for (int i = 0; i < kEntries; ++i) {
    if (ShiftJisToGbkTable[2 * i] == (gbk >> 8) && ShiftJisToGbkTable[2 * i + 1] == (gbk & 0xFF)) return i;
  }
  return -1;
}

// Every code with a first byte of 0x80 or more, scanned once for all the tests here.
const std::vector<int>& ScannedEntries() {
  static const std::vector<int> scanned = [] {
    std::vector<int> result(0x8000);
    for (unsigned code = 0x8000; code <= 0xFFFF; ++code) result[code - 0x8000] = ScanFromEntryZero(code);
    return result;
  }();
  return scanned;
}

unsigned ShiftJisCodeAt(int entry) {
  int q = entry / 188, r = entry % 188;
  return (q <= 30 ? 0x81 + q : 0xE0 + (q - 31)) << 8 | (r <= 62 ? 0x40 + r : 0x80 + (r - 63));
}

std::string Hex(unsigned code) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02X %02X", (code >> 8) & 0xFF, code & 0xFF);
  return buf;
}

// Covers all 126 x 190 GBK positions and every pair with another trail byte or lead 0x80 / 0xFF.
TEST(ShiftJisReverseIndex, GivesTheLowestEntryThatASearchFromEntryZeroFinds) {
  int mismatches = 0;
  for (unsigned code = 0x8000; code <= 0xFFFF; ++code) {
    int expected = ScannedEntries()[code - 0x8000];
    int got = LowestShiftJisEntry(static_cast<uint16_t>(code));
    if (got != expected && ++mismatches <= 10) {
      ADD_FAILURE() << Hex(code) << ": index gives " << got << ", the search " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(ShiftJisReverseIndex, EntryNumbersMapBackToTheirShiftJisCodes) {
  EXPECT_EQ(ShiftJisCodeOf(0), 0x8140u);
  EXPECT_EQ(ShiftJisCodeOf(62), 0x817Eu);
  EXPECT_EQ(ShiftJisCodeOf(63), 0x8180u);
  EXPECT_EQ(ShiftJisCodeOf(31 * 188), 0xE040u);
  EXPECT_EQ(ShiftJisCodeOf(kEntries - 1), 0xFCFCu);
  for (int entry = 0; entry < kEntries; ++entry) {
    unsigned code = ShiftJisCodeOf(entry);
    ASSERT_EQ(ShiftJisEntry(code >> 8, code & 0xFF), entry) << Hex(code);
  }
}

// Kind 6 for one pair, step by step as it is defined, with the plain search.
unsigned Kind6ByTheSteps(unsigned lead, unsigned trail) {
  unsigned pair = lead << 8 | trail;
  for (const ShiftJisGbkPair& row : PunctuationPairs) {
    if (row.gbk == pair) return row.shiftJis;
  }
  unsigned key = pair;
  for (const JapaneseFormPair& row : JapaneseFormPairs) {
    if (row.gbk == pair) {
      key = row.searchedAs;
      break;
    }
  }
  auto search = [](unsigned code) { return code >= 0x8000 ? ScannedEntries()[code - 0x8000] : -1; };
  if (int entry = search(key); entry >= 0) return ShiftJisCodeAt(entry);
  bool gbkPosition = lead >= 0x81 && lead <= 0xFE &&
                     ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE));
  if (gbkPosition) {
    int position = GbkEntry(lead, trail);
    unsigned traditional = SimpToTradTable[2 * position] << 8 | SimpToTradTable[2 * position + 1];
    if (traditional != key) {
      if (int entry = search(traditional); entry >= 0) return ShiftJisCodeAt(entry);
    }
  }
  return 0x3F3F;
}

TEST(GbkToShiftJis, EveryPairGivesWhatTheStepsWithAPlainSearchGive) {
  int mismatches = 0;
  for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
    for (unsigned trail = 0x01; trail <= 0xFF; ++trail) {
      char text[] = {static_cast<char>(lead), static_cast<char>(trail), 0};
      ShiftJisPass(text, GbkToShiftJis);
      unsigned got = static_cast<unsigned char>(text[0]) << 8 | static_cast<unsigned char>(text[1]);
      unsigned expected = Kind6ByTheSteps(lead, trail);
      if (got != expected && ++mismatches <= 10) {
        ADD_FAILURE() << Hex(lead << 8 | trail) << ": kind 6 gives " << Hex(got) << ", expected "
                      << Hex(expected);
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace tessavia
