// The conversion command: contract of ConvertText and the GBK pass's pairing rules.
#include <gtest/gtest.h>

#include <string>

#include "convert/conversion.h"

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

}  // namespace
}  // namespace tessavia
