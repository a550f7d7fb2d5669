// Text values on Windows: the process heap, and the program's constants that Release leaves alone.
#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/gbk_wide.h"
#include "runtime/text_values.h"

namespace tessavia {
namespace {

TEST(WindowsValues, BlocksComeFromTheProcessHeap) {
  OwnedText text(ConcatTexts(2, "繁体", "简体"));
  EXPECT_NE(HeapSize(GetProcessHeap(), 0, text.get()), static_cast<SIZE_T>(-1));
  Release("a literal");  // inside the image: ignored
}

TEST(WindowsValues, GbkReachesTheWideCallsIntactOnAnySystem) {
  EXPECT_EQ(GbkToWide("繁体到简体"), L"\u7E41\u4F53\u5230\u7B80\u4F53");
  EXPECT_EQ(WideToGbk(GbkToWide("國發\xA1\xA1")), "國發\xA1\xA1");
}

}  // namespace
}  // namespace tessavia
