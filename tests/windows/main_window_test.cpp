// The main window as loaded from its description: frame, layout, stacking, menu, keys and tab cycle.
#include <algorithm>

#include "app/commands.h"
#include "runtime/gbk_wide.h"
#include "tests/windows/window_fixture.h"

namespace tessavia::testing {
namespace {

constexpr uint32_t kButton1 = 0x16010035, kButton2 = 0x16010017, kButton3 = 0x160100CE, kButton4 = 0x16010006,
                   kButton5 = 0x16010007, kButton6 = 0x160100CF, kButton7 = 0x160100CA;

std::string WindowText(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return WideToGbk(text);
}

TEST_F(RealWindowTest, HasAFixedFrameWithoutMinimiseOrMaximiseAndOpensCentred) {
  LONG style = GetWindowLongW(Main(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_EQ(WindowText(Main()), "Tessavia");
  RECT r;
  GetWindowRect(Main(), &r);
  EXPECT_EQ(r.right - r.left, 780);
  EXPECT_EQ(r.bottom - r.top, 450);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 780) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 450) / 2);
}

TEST_F(RealWindowTest, ComponentsSitAtTheirRectanglesStackedInListOrderAndOnlyControlsShow) {
  const auto& components = MainWindowDescription.components;
  HWND previous = nullptr;
  for (const ComponentEntry& c : components) {
    SCOPED_TRACE(c.name);
    HWND hwnd = Control(c.id);
    ASSERT_NE(hwnd, nullptr);
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, c.rect.left);
    EXPECT_EQ(r.top, c.rect.top);
    EXPECT_EQ(r.right - r.left, c.rect.width);
    EXPECT_EQ(r.bottom - r.top, c.rect.height);
    bool hiddenKind = std::holds_alternative<CommonDlgSettings>(c.settings) ||
                      std::holds_alternative<TimerSettings>(c.settings);
    EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, !hiddenKind);
    if (previous) {
      EXPECT_EQ(GetWindow(previous, GW_HWNDNEXT), hwnd) << "each lies right under the one before";
    }
    previous = hwnd;
  }
  EXPECT_EQ(GetWindow(Main(), GW_CHILD), Control(components.items[0].id)) << "the first is on top";
}

TEST_F(RealWindowTest, ButtonsAreNeverDefaultButtons) {
  for (const ComponentEntry& c : MainWindowDescription.components) {
    if (!std::holds_alternative<ButtonSettings>(c.settings)) continue;
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GetWindowLongW(Control(c.id), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(WindowText(Control(c.id)), std::get<ButtonSettings>(c.settings).caption);
  }
}

TEST_F(RealWindowTest, MenuShowsEachItemWithItsShortcutNameAndTitlesWithout) {
  struct Item {
    int bar, position;
    const char* text;
    UINT command;
  };
  const Item items[] = {
      {0, -1, "文件(&F)", 20000},       {0, 0, "打开(&O)\tF1", 20001},   {0, 1, "保存(&S)\tF2", 20002},
      {0, 2, "另存为(&A)\tF3", 20003},  {1, -1, "工具(&E)", 20004},      {1, 0, "繁体到简体\tF4", 20005},
      {1, 1, "简体到繁体\tF5", 20006},  {1, 2, "打开左边\tF6", 20007},   {1, 3, "打开默认\tF7", 20008},
      {2, -1, "帮助(&H)", 20009},       {2, 0, "访问主页\tF8", 20010},
  };
  HMENU bar = GetMenu(Main());
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  for (const Item& item : items) {
    SCOPED_TRACE(item.text);
    HMENU menu = item.position < 0 ? bar : GetSubMenu(bar, item.bar);
    int position = item.position < 0 ? item.bar : item.position;
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    EXPECT_EQ(WideToGbk(text), item.text);
    if (item.position >= 0) {
      EXPECT_EQ(GetMenuItemID(menu, position), item.command);
    }
  }
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 1)), 4) << "no separators or extra items";
}

TEST_F(RealWindowTest, TabAndShiftTabRunTheCycleByTabOrderNumber) {
  const uint32_t cycle[] = {kEditorId, kButton4, kButton5, kButton2, kButton3, kButton1, kButton7, kButton6, kPathBoxId};
  const size_t n = std::size(cycle);
  SetFocus(Control(cycle[0]));
  for (size_t i = 1; i <= n; ++i) {
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Control(cycle[i % n])) << "Tab number " << i;
  }
  for (size_t i = 1; i <= n; ++i) {
    PressKey(GetFocus(), VK_TAB, /*shift*/ true);
    EXPECT_EQ(GetFocus(), Control(cycle[(n - i) % n])) << "Shift+Tab number " << i;
  }
}

TEST_F(RealWindowTest, TabInTheEditorMovesTheFocusAndInsertsNothing) {
  WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, "ab");
  PressKeyIn(kEditorId, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kButton4));
  EXPECT_EQ(ReadText(kEditorId, kRichEditContent), "ab");
  SetFocus(Main());
  PressKey(Main(), VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kEditorId)) << "from outside the cycle Tab goes to its first member";
}

TEST_F(RealWindowTest, EnterMovesNoFocusAndPressesNoButton) {
  WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, "國");
  PressKeyIn(kButton4, VK_RETURN);
  EXPECT_EQ(GetFocus(), Control(kButton4));
  EXPECT_EQ(ReadText(kEditorId, kRichEditContent), "國") << "Enter on 按钮4 must not convert";
}

class EscFromEachFocus : public RealWindowTest, public ::testing::WithParamInterface<uint32_t> {};
TEST_P(EscFromEachFocus, ClosesTheWindow) {
  PressKeyIn(GetParam(), VK_ESCAPE);
  EXPECT_EQ(Main(), nullptr);
}
INSTANTIATE_TEST_SUITE_P(Focus, EscFromEachFocus, ::testing::Values(kEditorId, kPathBoxId, kButton4),
                         [](const auto& info) {
                           return info.param == kEditorId ? "Editor" : info.param == kPathBoxId ? "PathBox" : "Button4";
                         });

TEST_F(RealWindowTest, AltF4ClosesTheWindow) {
  SetFocus(Control(kEditorId));
  PressKey(Control(kEditorId), VK_F4, false, false, /*alt*/ true);
  EXPECT_EQ(Main(), nullptr);
}

// Every key, button and menu item reaches the command the description gives it.
struct Route {
  const char* name;
  Command command;
  UINT key;
  uint32_t button;  // 0: none
  UINT menuCommand;
};
const Route kRoutes[] = {
    {"Open", Open, VK_F1, kButton1, 20001},
    {"Save", Save, VK_F2, kButton2, 20002},
    {"Save As", SaveAs, VK_F3, kButton3, 20003},
    {"To Simplified", ToSimplified, VK_F4, kButton4, 20005},
    {"To Traditional", ToTraditional, VK_F5, kButton5, 20006},
    {"Open Path", OpenPath, VK_F6, kButton6, 20007},
    {"Open Default", OpenDefault, VK_F7, kButton7, 20008},
    {"Visit Homepage", VisitHomepage, VK_F8, 0, 20010},
};

class Routes : public RecordingWindowTest {
 protected:
  // The one command run since the log was cleared.
  static Command OnlyCommandRun() {
    std::vector<Recorded> runs;
    for (const Recorded& r : Log())
      if (r.componentId != MainWindowId) runs.push_back(r);
    return runs.size() == 1 ? runs[0].original : nullptr;
  }
};

TEST_F(Routes, EveryFunctionKeyRunsItsCommandFromTheEditorAndThePathBox) {
  for (uint32_t focus : {kEditorId, kPathBoxId}) {
    for (const Route& route : kRoutes) {
      SCOPED_TRACE(route.name);
      Log().clear();
      PressKeyIn(focus, route.key);
      EXPECT_EQ(OnlyCommandRun(), route.command);
      EXPECT_EQ(GetFocus(), Control(focus)) << "the key goes no further";
    }
  }
}

TEST_F(Routes, EveryButtonAndMenuItemRunsItsCommand) {
  for (const Route& route : kRoutes) {
    SCOPED_TRACE(route.name);
    if (route.button) {
      Log().clear();
      SendMessageW(Control(route.button), BM_CLICK, 0, 0);
      ProcessPendingMessages();
      EXPECT_EQ(OnlyCommandRun(), route.command) << "button";
    }
    Log().clear();
    SendMessageW(Main(), WM_COMMAND, route.menuCommand, 0);
    EXPECT_EQ(OnlyCommandRun(), route.command) << "menu item";
  }
}

TEST_F(Routes, F4RunsTheItemNotTheToolsTitleThatCarriesItsIndex) {
  Log().clear();
  PressKeyIn(kEditorId, VK_F4);
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(Log()[0].componentId, 0x260100ADu) << "繁体到简体, not 工具(&E) 0x260100AC";
  Log().clear();
  SendMessageW(Main(), WM_COMMAND, 20004, 0);  // the title's own number
  EXPECT_TRUE(Log().empty());
}

TEST_F(Routes, OtherFunctionKeysAndTheTitlesRunNothing) {
  Log().clear();
  for (UINT key : {VK_F9, VK_F10 + 1, VK_F12}) PressKeyIn(kEditorId, key);
  PressKeyIn(kEditorId, VK_F4, /*shift*/ true);
  for (UINT command : {20000u, 20009u, 20011u, 19999u}) SendMessageW(Main(), WM_COMMAND, command, 0);
  EXPECT_TRUE(Log().empty());
}

TEST_F(Routes, CreatedRanOnceWhileLoading) {
  LoadWindow(MainWindowId);  // already open: brought forward, not built again
  EXPECT_EQ(CountOf(MainWindowId, kFirstEvent), 1);
}

}  // namespace
}  // namespace tessavia::testing
