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

// How each pass pairs bytes, what it does with bytes that start no pair, and its end; a pair is
// decided by its two bytes alone.
TEST(Passes, PairBytesAndTreatStrayBytesAsSpecified) {
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
      {"BIG5: 80 pairs with A4, last A4 waits", "\x80\xA4\xA4", Big5ToGbk, "\x80\xA4\xA4"},
      {"BIG5: FF pairs and stays", "\xFF\xA4\xA4", Big5ToGbk, "\xFF\xA4\xA4"},
      {"SJIS: three stray bytes", "\xB1\xB2\xB3", ShiftJisToGbk, "??\xB3"},
      {"SJIS: trail 7F is no trail", "\x81\x7F", ShiftJisToGbk, "?\x7F"},
      {"SJIS: trail 30 is no trail", "\x81\x30", ShiftJisToGbk, "?0"},
      {"SJIS: lead before the end stays", "a\x93", ShiftJisToGbk, "a\x93"},
      {"GBK to SJIS: A3 A0 by the list", "\xA3\xA0", GbkToShiftJis, "\x81\x40"},
      {"GBK to SJIS: B9 30 is no GBK position", "\xB9\x30", GbkToShiftJis, "??"},
      {"GBK to SJIS: lone B9 at the end stays", "\x80\x41\xB9", GbkToShiftJis, "??\xB9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hex(Convert(c.in, c.kind)), Hex(c.out));
  }
}

// Kind 5 is two passes over the whole text: where the BIG5 pass writes an entry with a first byte
// below 0x80, the GBK pass reads that byte alone and pairs the following bytes afresh.
TEST(Passes, Big5ToSimplifiedIsTheBig5PassThenTheGbkPass) {
  std::string in = "\xA0\x41\xB0\xEA\x80\xB0\xEA\xB0";
  for (int entry = 0; entry < kBig5Rows * kBig5Columns; ++entry) {
    if (Big5ToGbkTable[2 * entry] >= 0x80) continue;
    int row = entry / kBig5Columns, column = entry % kBig5Columns;
    in += {static_cast<char>(0xA0 + row), static_cast<char>(column < 63 ? 0x40 + column : 0xA1 + column - 63)};
    in += "\xB0\xEA\xB0\xEA";
    break;
  }
  EXPECT_EQ(Hex(Convert(in, Big5ToGbkSimp)), Hex(Convert(Convert(in, Big5ToGbk), TradToSimp)));
}

// Whole texts through ConvertText, as a caller sees them (bytes in hex).
TEST(Passes, TellingRowsOfTheBig5AndShiftJisKinds) {
  struct Case {
    int32_t kind;
    const char *in, *out;
  } cases[] = {
      {Big5ToGbk, "A4 A4", "D6 D0"},         {Big5ToGbkSimp, "A4 A4", "D6 D0"},  // 中
      {Big5ToGbk, "B0 EA", "87 F8"},         {Big5ToGbkSimp, "B0 EA", "B9 FA"},  // 國
      {Big5ToGbk, "B5 6F", "B0 6C"},         {Big5ToGbkSimp, "B5 6F", "B7 A2"},  // 發
      {Big5ToGbk, "BE 76", "F3 8C"},         {Big5ToGbkSimp, "BE 76", "B7 A2"},  // 髮
      {Big5ToGbk, "A1 40", "A1 A1"},         {Big5ToGbkSimp, "A1 40", "A1 A1"},
      {Big5ToGbk, "A1 75", "A1 B8"},         {Big5ToGbkSimp, "A1 75", "A1 AE"},  // 「
      {Big5ToGbk, "A1 45", "A1 A4"},         {Big5ToGbkSimp, "A3 C0", "D2 BB"},
      {Big5ToGbk, "A0 41", "A0 41"},         {Big5ToGbkSimp, "A0 41", "C0 C3"},  // kept, then 烂
      {Big5ToGbk, "A1 30", "A1 30"},         {Big5ToGbkSimp, "A1 30", "A1 30"},
      {ShiftJisToGbk, "93 FA 96 7B", "C8 D5 B1 BE"},  // 日本
      {ShiftJisToGbk, "81 41", "A3 AC"},     {ShiftJisToGbk, "81 40", "A3 A0"},
      {ShiftJisToGbk, "87 4A", "A1 A1"},     {ShiftJisToGbk, "85 40", "A1 A1"},
      {ShiftJisToGbk, "F0 40", "AA A1"},     {ShiftJisToGbk, "B1 B2", "3F B2"},
      {ShiftJisToGbk, "A0 41", "3F 41"},
      {GbkToShiftJis, "C8 D5 B1 BE", "93 FA 96 7B"},  // 日本
      {GbkToShiftJis, "B9 FA", "8D 91"},     {GbkToShiftJis, "B0 AE", "88 A4"},  // 国, 爱 as 愛
      {GbkToShiftJis, "CE E2", "8C E0"},     {GbkToShiftJis, "A1 B0", "81 75"},  // 吴 as 呉, “
      {GbkToShiftJis, "A1 A1", "81 40"},     {GbkToShiftJis, "A3 A0", "81 40"},
      {GbkToShiftJis, "81 40", "3F 3F"},     {GbkToShiftJis, "80 41", "3F 3F"},
      {GbkToShiftJis, "B7 A2", "E1 A2"},  // 发 through 發
      {GbkToShiftJis, "A1 B0 D6 D0 A1 B1", "81 75 92 86 81 76"},  // “中” as 「中」
  };
  auto bytes = [](const char* hex) {
    std::string out;
    for (const char* p = hex; *p; p += p[2] ? 3 : 2) out += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
    return out;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " on " + c.in);
    EXPECT_EQ(Hex(Convert(bytes(c.in), c.kind)), Hex(bytes(c.out)));
  }
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
