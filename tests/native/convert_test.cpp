// The conversion command: contract of ConvertText and the GBK pass's pairing rules.
#include <gtest/gtest.h>

#include <string>

#include "convert/conversion.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

std::string Hex(const std::string& bytes) {
  std::string out;
  char buf[4];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof buf, "%02X ", c);
    out += buf;
  }
  return out;
}

std::string Convert(const std::string& in, int32_t kind) {
  OwnedText out(ConvertText(in.c_str(), kind));
  return out ? std::string(out.get()) : std::string();
}

TEST(ConvertText, NullOrEmptySourceGivesNull) {
  EXPECT_EQ(ConvertText(nullptr, TradToSimp), nullptr);
  EXPECT_EQ(ConvertText(EmptyText, TradToSimp), nullptr);
}

TEST(ConvertText, ReturnsANewCopyAndLeavesTheSource) {
  const char source[] = "abc";
  OwnedText out(ConvertText(source, TradToSimp));
  ASSERT_NE(out, nullptr);
  EXPECT_NE(out.get(), source);
  EXPECT_STREQ(out.get(), "abc");
}

TEST(ConvertText, UnknownKindsGiveAnUnchangedCopy) {
  for (int32_t kind : {0, 8, -1, 1000}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(Convert("國發", kind), "國發");
  }
}

TEST(GbkPass, PairsAreDecidedByTheirTwoBytesAlone) {
  struct Case {
    const char* name;
    std::string in;
    int32_t kind;
    std::string out;
  } cases[] = {
      {"国 to 國", "\xB9\xFA", SimpToTrad, "\x87\xF8"},
      {"國 to 国", "\x87\xF8", TradToSimp, "\xB9\xFA"},
      {"lone lead byte at the end", "a\xB9", TradToSimp, "a\xB9"},
      {"80 pairs with B9, FA stays", "\x80\xB9\xFA", TradToSimp, "\x80\xB9\xFA"},
      {"81 30 passed over", "\x81\x30\xB9\xFA", SimpToTrad, "\x81\x30\x87\xF8"},
      {"B9 7F unchanged", "\xB9\x7F", SimpToTrad, "\xB9\x7F"},
      {"国 to BIG5", "\xB9\xFA", GbkToBig5, "\xB0\xEA"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hex(Convert(c.in, c.kind)), Hex(c.out));
  }
}

// How each pass pairs bytes, what it does with bytes that start no pair, and its end.
TEST(Passes, PairBytesAndTreatStrayBytesAsSpecified) {
  struct Case {
    const char* name;
    std::string in;
    int32_t kind;
    std::string out;
  } cases[] = {
      {"BIG5 國 to GBK 國", "\xB0\xEA", Big5ToGbk, "\x87\xF8"},
      {"BIG5: 80 pairs with A4, last A4 waits", "\x80\xA4\xA4", Big5ToGbk, "\x80\xA4\xA4"},
      {"BIG5: trail 30 has no column", "\xA1\x30", Big5ToGbk, "\xA1\x30"},
      {"BIG5: FF pairs and stays", "\xFF\xA4\xA4", Big5ToGbk, "\xFF\xA4\xA4"},
      {"BIG5 國 to Simplified 国", "\xB0\xEA", Big5ToGbkSimp, "\xB9\xFA"},
      {"SJIS: half-width kana B1 to ?, B2 waits", "\xB1\xB2", ShiftJisToGbk, "?\xB2"},
      {"SJIS: three stray bytes", "\xB1\xB2\xB3", ShiftJisToGbk, "??\xB3"},
      {"SJIS: A0 is no lead", "\xA0\x41", ShiftJisToGbk, "?A"},
      {"SJIS: trail 7F is no trail", "\x81\x7F", ShiftJisToGbk, "?\x7F"},
      {"SJIS: trail 30 is no trail", "\x81\x30", ShiftJisToGbk, "?0"},
      {"SJIS: 81 40 by the punctuation list", "\x81\x40", ShiftJisToGbk, "\xA3\xA0"},
      {"SJIS: 81 41 by the punctuation list", "\x81\x41", ShiftJisToGbk, "\xA3\xAC"},
      {"SJIS: no character gives A1 A1", "\x85\x40", ShiftJisToGbk, "\xA1\xA1"},
      {"SJIS: 日本", "\x93\xFA\x96\x7B", ShiftJisToGbk, "日本"},
      {"SJIS: lead before the end stays", "a\x93", ShiftJisToGbk, "a\x93"},
      {"GBK to SJIS: 日本", "日本", GbkToShiftJis, "\x93\xFA\x96\x7B"},
      {"GBK to SJIS: A3 A0 by the list", "\xA3\xA0", GbkToShiftJis, "\x81\x40"},
      {"GBK to SJIS: A1 A1 at its lowest entry", "\xA1\xA1", GbkToShiftJis, "\x81\x40"},
      {"GBK to SJIS: “ by the list", "\xA1\xB0", GbkToShiftJis, "\x81\x75"},
      {"GBK to SJIS: 80 41 is no character", "\x80\x41", GbkToShiftJis, "??"},
      {"GBK to SJIS: B9 30 is no GBK position", "\xB9\x30", GbkToShiftJis, "??"},
      {"GBK to SJIS: lone B9 at the end stays", "\x80\x41\xB9", GbkToShiftJis, "??\xB9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hex(Convert(c.in, c.kind)), Hex(c.out));
  }
}

// Kind 5 is two passes: where the BIG5 pass writes an entry with a first byte below 0x80, the GBK
// pass reads that byte alone and pairs the following bytes differently.
TEST(Passes, Big5ToSimplifiedPairsTheBig5OutputAfresh) {
  int entry = 0;
  while (entry < kBig5Rows * kBig5Columns && Big5ToGbkTable[2 * entry] >= 0x80) ++entry;
  if (entry == kBig5Rows * kBig5Columns) GTEST_SKIP() << "no BIG5 entry starts below 0x80";
  int row = entry / kBig5Columns, column = entry % kBig5Columns;
  std::string in = {static_cast<char>(0xA0 + row), static_cast<char>(column < 63 ? 0x40 + column : 0xA1 + column - 63)};
  in += "\xB0\xEA\xB0\xEA";  // 國國 in BIG5
  std::string big5ToGbk = Convert(in, Big5ToGbk);
  EXPECT_EQ(Hex(Convert(in, Big5ToGbkSimp)), Hex(Convert(big5ToGbk, TradToSimp)));
}

TEST(Passes, EveryKindKeepsTheLength) {
  const std::string text = "Tessavia 國發 \x80\x41\xA1\xA1 \xB1\xB2\x81\x7F 1\r\n末\xB9";
  for (int32_t kind = 1; kind <= 7; ++kind) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(Convert(text, kind).size(), text.size());
  }
}

// The span form that the batch converter streams with: zero bytes are characters, and a lead byte
// at the end of a span is reported as waiting.
TEST(PassSpans, ZeroBytesEndPiecesAndAFinalLeadByteWaits) {
  struct Case {
    const char* name;
    std::string in;
    int32_t kind;
    std::string out;
    size_t settled;
  } cases[] = {
      {"lead before zero stays", std::string("\xB9\0\xB9\xFA", 4), SimpToTrad, std::string("\xB9\0\x87\xF8", 4), 4},
      {"lead at the end waits", "\xB9\xFA\xB9", SimpToTrad, "\x87\xF8\xB9", 2},
      {"SJIS lead before zero stays", std::string("\xB1\0", 2), ShiftJisToGbk, std::string("\xB1\0", 2), 2},
      {"SJIS stray byte then waiting lead", "\xB1\xB2", ShiftJisToGbk, "?\xB2", 1},
      {"GBK to SJIS lead before zero", std::string("\x80\0A", 3), GbkToShiftJis, std::string("\x80\0A", 3), 3},
      {"BIG5 lead at the end waits", "a\xA4", Big5ToGbk, "a\xA4", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = c.in;
    size_t settled = RunPass(c.kind, 0, reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
    EXPECT_EQ(Hex(bytes), Hex(c.out));
    EXPECT_EQ(settled, c.settled);
  }
}

}  // namespace
}  // namespace tessavia
