// INI lookup: sections and keys without regard to case, the value's trimming and quotes, the buffer.
#include <gtest/gtest.h>

#include <string>

#include "runtime/ini_format.h"

namespace tessavia {
namespace {

TEST(LookUpIniValue, FindsValuesAsTheProfileReaderDoes) {
  const std::string file =
      "top=outside any section\r\n"
      "[其他]\r\n地址=wrong section\r\n"
      "  [地址]  \r\n"
      "  地址 =  \"D:\\文档\\繁體.txt\"  \r\n"
      "地址=second line of the key\r\n"
      "Name=Value=with equals\r\n"
      "ΑΒ=greek\r\nＦｕｌｌ=full width\r\n"
      "quoted='one'\r\nhalf=\"open\r\nbare\r\nempty=\r\n"
      "[bad header\r\n"
      "after=bad header\r\n"
      "[Settings]\r\nlast=no line break";
  struct Case {
    const char *name, *section, *key, *value;
  } cases[] = {
      {"spaces round the key and value, quotes", "地址", "地址", "D:\\文档\\繁體.txt"},
      {"case of section and key", "settings", "LAST", "no line break"},
      {"first = splits", "地址", "name", "Value=with equals"},
      {"Greek case", "地址", "αβ", "greek"},
      {"full-width case", "地址", "ｆＵＬＬ", "full width"},
      {"single quotes", "地址", "quoted", "one"},
      {"unpaired quote stays", "地址", "half", "\"open"},
      {"key without =", "地址", "bare", "<default>"},
      {"empty value", "地址", "empty", ""},
      {"a line without ] is a key line", "地址", "after", "bad header"},
      {"missing key", "地址", "none", "<default>"},
      {"missing section", "无", "地址", "<default>"},
      {"keys before any section", "", "top", "<default>"},
      {"requested names are trimmed", " 地址\t", "  地址  ", "D:\\文档\\繁體.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LookUpIniValue(file, c.section, c.key, "<default>  "), c.value);
  }
}

TEST(LookUpIniValue, SecondBytesAreComparedExactly) {
  // 丄 (81 41) and 乤 (81 61) differ only in a second byte that reads as "A" and "a".
  const std::string file = "[s]\r\n丄=upper second byte\r\n";
  EXPECT_EQ(LookUpIniValue(file, "s", "乤", "none"), "none");
  EXPECT_EQ(LookUpIniValue(file, "s", "丄", "none"), "upper second byte");
  // 乚 (81 5D) ends in the byte of "]": a header line needs a real "]".
  EXPECT_EQ(LookUpIniValue("[乚\r\nk=v\r\n", "\x81", "k", "none"), "none");
}

TEST(LookUpIniValue, OnlyTheFirstSectionOfANameCounts) {
  EXPECT_EQ(LookUpIniValue("[a]\nx=1\n[A]\ny=2\n", "a", "y", "none"), "none");
  EXPECT_EQ(LookUpIniValue("[a]\nx=1\nx=2\n", "a", "x", ""), "1");
}

TEST(LookUpIniValue, ValueIsCutTo10239BytesBetweenCharacters) {
  const std::string ascii(12000, 'v');
  EXPECT_EQ(LookUpIniValue("[s]\nk=" + ascii, "s", "k", ""), std::string(10239, 'v'));
  // 10238 bytes, then a two-byte character that would straddle the end: it is left out whole.
  const std::string straddling = std::string(10238, 'v') + "国";
  EXPECT_EQ(LookUpIniValue("[s]\nk=" + straddling, "s", "k", ""), std::string(10238, 'v'));
}

}  // namespace
}  // namespace tessavia
