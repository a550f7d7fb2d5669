// The main window as data: its settings, 16 components, 11 menu items, shortcuts and event bindings.
#include "app/window_description.h"

#include "app/commands.h"
#include "app/component_ids.h"
#include "app/homepage.h"
#include "app/shortcut_table.h"

namespace tessavia {
namespace {

constexpr uint32_t kButton1Id = 0x16010035;  // 按钮1 打开(F1)
constexpr uint32_t kButton2Id = 0x16010017;  // 按钮2 保存(F2)
constexpr uint32_t kButton3Id = 0x160100CE;  // 按钮3 另存为(F3)
constexpr uint32_t kButton4Id = 0x16010006;  // 按钮4 繁体到简体(F4)
constexpr uint32_t kButton5Id = 0x16010007;  // 按钮5 简体到繁体(F5)
constexpr uint32_t kButton6Id = 0x160100CF;  // 按钮6 打开左边(F6)
constexpr uint32_t kButton7Id = 0x160100CA;  // 按钮7 打开默认(F7)
constexpr uint32_t kHelpLabelId = 0x1601009F;  // 标签2

constexpr uint32_t kMenuOpenId = 0x26010004;
constexpr uint32_t kMenuSaveId = 0x26010005;
constexpr uint32_t kMenuSaveAsId = 0x2601008F;
constexpr uint32_t kMenuToSimplifiedId = 0x260100AD;
constexpr uint32_t kMenuToTraditionalId = 0x260100AE;
constexpr uint32_t kMenuOpenPathId = 0x260100F8;
constexpr uint32_t kMenuOpenDefaultId = 0x260100C6;
constexpr uint32_t kMenuVisitHomepageId = 0x260100BD;

constexpr char kHelpText[] =
    "功能介绍：实现文字的繁简体转换，并可做简单编辑。\r\n"
    "快捷键：F1（打开文件），F2（保存文件），F3（文件另存为），F4（繁体到简体），F5（简体到繁体），"
    "F7（打开默认地址文件-配置文件中手动修改），F8（访问主页）";

constexpr ButtonSettings Caption(const char* caption) { return ButtonSettings{caption}; }

constexpr RichEditSettings kEditorSettings = [] {
  RichEditSettings s;
  s.content = "发發";  // a sample: one Simplified character, then one Traditional
  return s;
}();

constexpr HyperLinkerSettings kLinkSettings = [] {
  HyperLinkerSettings s;
  s.caption = kHomepageHost;
  s.linkKind = 1;
  s.webAddress = kHomepageAddress;
  return s;
}();

constexpr LabelSettings kOneLineLabel{};
constexpr LabelSettings kHelpLabel = [] {
  LabelSettings s;
  s.caption = kHelpText;
  s.wrap = true;
  return s;
}();

constexpr CommonDlgSettings kSaveDialogSettings = [] {
  CommonDlgSettings s;
  s.dialogType = 1;
  return s;
}();

// The description's list order: 按钮6 on top of the z-order, 按钮4 at the bottom. LoadWindow creates
// them from the end of this list to its start.
constexpr ComponentEntry kComponents[] = {
    {kButton6Id, "按钮6", {592, 304, 80, 32}, true, false, true, 4, Caption("打开左边(F6)")},
    {kButton3Id, "按钮3", {175, 264, 80, 32}, true, false, true, 3, Caption("另存为(F3)")},
    {kButton7Id, "按钮7", {688, 304, 80, 32}, true, false, true, 4, Caption("打开默认(F7)")},
    {kHelpLabelId, "标签2", {5, 344, 770, 48}, true, false, false, 0, kHelpLabel},
    {kHomepageLinkId, "超级链接框1", {640, 264, 128, 32}, true, false, false, 0, kLinkSettings},
    {kClockLabelId, "标签3", {488, 256, 144, 24}, true, false, false, 0, kOneLineLabel},
    {kButton1Id, "按钮1", {5, 264, 80, 32}, true, false, true, 4, Caption("打开(F1)")},
    {kClockTimerId, "时钟1", {312, 72, 26, 26}, true, false, false, 0, TimerSettings{}},
    {kPathBoxId, "编辑框1", {8, 304, 576, 32}, true, false, true, 5, EditBoxSettings{}},
    {kStatusLabelId, "标签1", {488, 280, 144, 24}, true, false, false, 0, kOneLineLabel},
    {kButton2Id, "按钮2", {90, 264, 80, 32}, true, false, true, 3, Caption("保存(F2)")},
    {kSaveDialogId, "通用对话框2", {280, 72, 26, 26}, true, false, false, 0, kSaveDialogSettings},
    {kOpenDialogId, "通用对话框1", {248, 72, 26, 26}, true, false, false, 0, CommonDlgSettings{}},
    {kEditorId, "超级编辑框1", {5, 5, 770, 250}, true, false, true, 0, kEditorSettings},
    {kButton5Id, "按钮5", {365, 264, 100, 32}, true, false, true, 2, Caption("简体到繁体(F5)")},
    {kButton4Id, "按钮4", {260, 264, 100, 32}, true, false, true, 1, Caption("繁体到简体(F4)")},
};

// "工具(&E)" carries index 30 (F4) in the description; a drop-down title never gets a shortcut.
constexpr MenuEntry kMenu[] = {
    {0x26010003, "文件(&F)", 0, 0},
    {kMenuOpenId, "打开(&O)", 1, 27},
    {kMenuSaveId, "保存(&S)", 1, 28},
    {kMenuSaveAsId, "另存为(&A)", 1, 29},
    {0x260100AC, "工具(&E)", 0, 30},
    {kMenuToSimplifiedId, "繁体到简体", 1, 30},
    {kMenuToTraditionalId, "简体到繁体", 1, 31},
    {kMenuOpenPathId, "打开左边", 1, 32},
    {kMenuOpenDefaultId, "打开默认", 1, 33},
    {0x260100BC, "帮助(&H)", 0, 0},
    {kMenuVisitHomepageId, "访问主页", 1, 34},
};

constexpr EventBinding kEvents[] = {
    {MainWindowId, kFirstEvent, WindowCreated},
    {kButton1Id, kFirstEvent, Open},
    {kButton2Id, kFirstEvent, Save},
    {kButton3Id, kFirstEvent, SaveAs},
    {kButton4Id, kFirstEvent, ToSimplified},
    {kButton5Id, kFirstEvent, ToTraditional},
    {kButton6Id, kFirstEvent, OpenPath},
    {kButton7Id, kFirstEvent, OpenDefault},
    {kPathBoxId, kDoubleClicked, ClearPath},
    {kClockTimerId, kFirstEvent, ClockTick},
    {kMenuOpenId, kFirstEvent, Open},
    {kMenuSaveId, kFirstEvent, Save},
    {kMenuSaveAsId, kFirstEvent, SaveAs},
    {kMenuToSimplifiedId, kFirstEvent, ToSimplified},
    {kMenuToTraditionalId, kFirstEvent, ToTraditional},
    {kMenuOpenPathId, kFirstEvent, OpenPath},
    {kMenuOpenDefaultId, kFirstEvent, OpenDefault},
    {kMenuVisitHomepageId, kFirstEvent, VisitHomepage},
};

template <typename T, size_t N>
constexpr Table<T> TableOf(const T (&items)[N]) {
  return Table<T>{items, N};
}

}  // namespace

const WindowDescription MainWindowDescription = {
    {MainWindowId, "Tessavia", {50, 50, 780, 450}, /*centred*/ true, /*fixedFrame*/ true,
     /*minimizeBox*/ false, /*maximizeBox*/ false, /*escCloses*/ true, /*taskbarButton*/ true,
     /*topMost*/ false, kSystemColor, /*visible*/ true},
    TableOf(kComponents),
    TableOf(kMenu),
    {ShortcutTable.data(), ShortcutTable.size()},
    TableOf(kEvents),
};

}  // namespace tessavia
