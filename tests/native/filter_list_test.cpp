// The file dialog's filter list: pairs, the appended "||", trimmed white space, whole GBK characters.
#include <gtest/gtest.h>

#include <string>

#include "runtime/filter_list.h"

namespace tessavia {
namespace {

TEST(BuildFilterList, MakesNulSeparatedPairsEndedByTwoNuls) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    std::string filter, list;
  } cases[] = {
      {"one pair", "文本文件|*.TXT;*.INI;*.xml", "文本文件\0*.TXT;*.INI;*.xml\0\0"s},
      {"two pairs", "文本文件|*.TXT;*.INI;*.xml|所有格式|*.*",
       "文本文件\0*.TXT;*.INI;*.xml\0所有格式\0*.*\0\0"s},
      {"ends with ||", "文本|*.txt||", "文本\0*.txt\0\0"s},
      {"ends with one |", "文本|*.txt|", "文本\0*.txt\0\0\0"s},
      {"trailing spaces go first", "文本|*.txt|| \t\r\n", "文本\0*.txt\0\0"s},
      {"inner spaces stay", " a b | *.c ", " a b \0 *.c\0\0"s},
      // 亅 is 81 7C and 皘 is B0 7C: their second byte is "|" and stays.
      {"second byte 7C stays", "亅|*.a|皘|*.b", "亅\0*.a\0皘\0*.b\0\0"s},
      {"7C second byte before one |", "亅|", "亅\0\0\0"s},
      {"7C second byte at the end", "a|亅", "a\0亅\0\0"s},
      {"empty", "", ""},
      {"only white space", " \t ", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BuildFilterList(c.filter), c.list);
  }
}

}  // namespace
}  // namespace tessavia
