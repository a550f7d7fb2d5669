// To Simplified and To Traditional on the live editor, from their keys with the focus in the editor
// or the path box.
#include "app/commands.h"
#include "tests/windows/window_fixture.h"

namespace tessavia::testing {
namespace {

struct Case {
  const char* name;
  UINT key;
  std::string in, out;
};

const Case kCases[] = {
    {"F4 Traditional to Simplified", VK_F4, "國發", "国发"},
    {"F5 Simplified to Traditional", VK_F5, "国发", "國發"},
    {"F4 changes only the Traditional ones of mixed text", VK_F4, "国國发發", "国国发发"},
    {"F4 leaves Simplified and ASCII as they are", VK_F4, "国 abc 发", "国 abc 发"},
    {"F5 leaves Traditional and ASCII as they are", VK_F5, "國 abc 發", "國 abc 發"},
    {"line breaks and ASCII survive", VK_F4, "a國\r\nb\r\n\r\n發z", "a国\r\nb\r\n\r\n发z"},
    {"empty stays empty", VK_F4, "", ""},
    {"empty stays empty under F5", VK_F5, "", ""},
};

class ConversionCommands : public RealWindowTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(ConversionCommands, KeysConvertTheWholeEditorText) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, c.in.c_str());
    WriteTextProperty(MainWindowId, kPathBoxId, kEditBoxContent, "路径");
    PressKeyIn(GetParam(), c.key);
    EXPECT_EQ(ReadText(kEditorId, kRichEditContent), c.out);
    EXPECT_EQ(ReadText(kPathBoxId, kEditBoxContent), "路径") << "the path box is not touched";
    EXPECT_EQ(GetFocus(), Control(GetParam()));
  }
}

INSTANTIATE_TEST_SUITE_P(Focus, ConversionCommands, ::testing::Values(kEditorId, kPathBoxId),
                         [](const auto& info) { return info.param == kEditorId ? "Editor" : "PathBox"; });

TEST_F(RealWindowTest, ToSimplifiedTwiceChangesNothingTheSecondTime) {
  WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, "國發 後");
  ToSimplified();
  std::string once = ReadText(kEditorId, kRichEditContent);
  ToSimplified();
  EXPECT_EQ(ReadText(kEditorId, kRichEditContent), once);
  EXPECT_EQ(once.size(), std::string("國發 後").size()) << "the length in bytes never changes";
}

}  // namespace
}  // namespace tessavia::testing
