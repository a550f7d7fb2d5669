// Text and byte values: joining, comparing, and turning texts into bytes and back.
#include <gtest/gtest.h>

#include <string>

#include "runtime/text_values.h"

namespace tessavia {
namespace {

std::string Str(const OwnedText& text) { return text ? std::string(text.get()) : std::string("<null>"); }

TEST(ConcatTexts, JoinsWithoutSeparatorAndNeverReturnsNull) {
  EXPECT_EQ(Str(OwnedText(ConcatTexts(2, "9时5分0秒", "保存成功！"))), "9时5分0秒保存成功！");
  OwnedText empty(ConcatTexts(2, nullptr, EmptyText));
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(TextLength(empty.get()), 0);
}

TEST(CompareTexts, OrdersByUnsignedBytesWithNullAsEmpty) {
  struct Case {
    const char *left, *right;
    int32_t expected;
  } cases[] = {
      {nullptr, EmptyText, 0}, {nullptr, "a", -1}, {"a", nullptr, 1},    {"ab", "a", 1},
      {"a", "b", -1},          {"国", "a", 1},     {EmptyText, nullptr, 0}, {"abc", "abc", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.left ? c.left : "<null>") + " vs " + (c.right ? c.right : "<null>"));
    EXPECT_EQ(CompareTexts(c.left, c.right), c.expected);
  }
}

TEST(TextToBytes, EmptyGivesNullAndBytesKeepTheirLayout) {
  EXPECT_EQ(TextToBytes(EmptyText), nullptr);
  EXPECT_EQ(TextToBytes(nullptr), nullptr);
  OwnedByteSet bytes(TextToBytes("ab"));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(bytes->dimensionCount, 1);
  ASSERT_EQ(bytes->length, 2);
  EXPECT_EQ(ByteSetData(bytes.get())[0], 'a');
  EXPECT_EQ(ByteSetData(bytes.get())[1], 'b');
}

TEST(BytesToText, StopsAtTheFirstZeroByte) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* expected;  // null for a null result
  } cases[] = {
      {"a 0 b", std::string("a\0b", 3), "a"},
      {"leading zero", std::string("\0ab", 3), nullptr},
      {"no zero", "国ab", "国ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OwnedByteSet set(MakeByteSet(c.bytes.data(), static_cast<int32_t>(c.bytes.size())));
    OwnedText text(BytesToText(set.get()));
    if (!c.expected) {
      EXPECT_EQ(text, nullptr);
    } else {
      EXPECT_EQ(Str(text), c.expected);
    }
  }
  EXPECT_EQ(BytesToText(&EmptyByteSet), nullptr);
}

TEST(Release, IgnoresNullAndTheProgramsConstants) {
  static const char kLiteral[] = "保存成功！";
  Release(nullptr);
  Release(EmptyText);
  Release(&EmptyByteSet);
  Release(kLiteral);
  Release("another literal");
  EXPECT_STREQ(kLiteral, "保存成功！");
}

TEST(AllocateDeathTest, RefusedAllocationReportsTheSizeAndFails) {
  EXPECT_EXIT(Allocate(-5), testing::ExitedWithCode(EXIT_FAILURE), "");
}

}  // namespace
}  // namespace tessavia
