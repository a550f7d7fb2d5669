// Components through ReadProperty and WriteProperty against the live window: editor, path box,
// labels, timer, dialogs, menu items and the link.
#include <richedit.h>

#include <chrono>

#include "app/homepage.h"
#include "runtime/gbk_wide.h"
#include "tests/windows/window_fixture.h"

namespace tessavia::testing {
namespace {

constexpr uint32_t kMenuOpenPath = 0x260100F8;

class PathBox : public RecordingWindowTest {
 protected:
  static void SetUpTestSuite() { ExtraBindings() = {{kPathBoxId, kFirstEvent, nullptr}}; }  // ContentChanged
  static void TearDownTestSuite() { ExtraBindings().clear(); }
};

TEST_F(PathBox, EachWriteRaisesContentChangedOnceAndReadsBack) {
  struct Case {
    const char* written;
    const char* read;
  };
  const Case cases[] = {{"C:\\文件\\國.txt", "C:\\文件\\國.txt"}, {EmptyText, ""}, {nullptr, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.read);
    int before = CountOf(kPathBoxId, kFirstEvent);
    WriteTextProperty(MainWindowId, kPathBoxId, kEditBoxContent, c.written);
    EXPECT_EQ(CountOf(kPathBoxId, kFirstEvent) - before, 1);
    EXPECT_EQ(ReadText(kPathBoxId, kEditBoxContent), c.read);
  }
  EXPECT_TRUE(ReadIsNull(kPathBoxId, kEditBoxContent)) << "an empty box reads as null";
}

TEST_F(PathBox, TypingRaisesContentChanged) {
  int before = CountOf(kPathBoxId, kFirstEvent);
  SendMessageW(Control(kPathBoxId), WM_CHAR, L'a', 1);
  EXPECT_EQ(CountOf(kPathBoxId, kFirstEvent) - before, 1);
  EXPECT_EQ(ReadText(kPathBoxId, kEditBoxContent), "a");
}

TEST_F(PathBox, DoubleClickRunsClearPathAndTheBoxStillGetsIt) {
  WriteTextProperty(MainWindowId, kPathBoxId, kEditBoxContent, "abc def");
  HWND box = Control(kPathBoxId);
  LPARAM at = MAKELPARAM(4, 8);
  PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(box, WM_LBUTTONUP, 0, at);
  PostMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageW(box, WM_LBUTTONUP, 0, at);
  ProcessPendingMessages();
  EXPECT_EQ(CountOf(kPathBoxId, kDoubleClicked), 1);
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_GE(end, 3u) << "the box selected the word";
}

class Editor : public RealWindowTest {};

TEST_F(Editor, ContentReadsBackWithLineBreaksAsCrLf) {
  struct Case {
    const char* name;
    std::string written, read;
  };
  const Case cases[] = {
      {"LF", "a\nb", "a\r\nb"},
      {"CR LF", "a\r\nb", "a\r\nb"},
      {"CR", "a\rb", "a\r\nb"},
      {"GBK both scripts and ASCII", "國国 發发 abc", "國国 發发 abc"},
      {"GBK edge codes", "\x81\x40\xFE\xFE\xA1\xA1", "\x81\x40\xFE\xFE\xA1\xA1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, c.written.c_str());
    EXPECT_EQ(ReadText(kEditorId, kRichEditContent), c.read);
  }
}

TEST_F(Editor, EmptyReadsAsNullAndNullWritesEmpty) {
  WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, nullptr);
  EXPECT_TRUE(ReadIsNull(kEditorId, kRichEditContent));
}

TEST_F(Editor, StartsWithTheTwoCharacterSample) {
  EXPECT_EQ(ReadText(kEditorId, kRichEditContent), "发發");
  EXPECT_FALSE(SendMessageW(Control(kEditorId), EM_GETMODIFY, 0, 0));
}

TEST_F(Editor, HoldsLongTextsWithoutTheDefaultLimit) {
  std::string text;
  while (text.size() < 100000) text += "國發abcdefghij0123456789\r\n";
  WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, text.c_str());
  EXPECT_EQ(ReadText(kEditorId, kRichEditContent), text);
  EXPECT_EQ(SendMessageW(Control(kEditorId), EM_GETLIMITTEXT, 0, 0), 2147483647);
}

TEST_F(Editor, IsSetUpWithItsFormatNotificationsAndOptions) {
  HWND editor = Control(kEditorId);
  CHARFORMAT2W format = {};
  format.cbSize = sizeof format;
  SendMessageW(editor, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  EXPECT_EQ(WideToGbk(format.szFaceName), "宋体");
  EXPECT_EQ(format.yHeight, 180);
  EXPECT_TRUE(format.dwEffects & CFE_AUTOCOLOR);
  EXPECT_EQ(SendMessageW(editor, EM_GETEVENTMASK, 0, 0), 0x280005);
  EXPECT_TRUE(SendMessageW(editor, EM_GETOPTIONS, 0, 0) & ECO_AUTOWORDSELECTION);
  LONG style = GetWindowLongW(editor, GWL_STYLE);
  // Both scroll bars are there even while the (empty) text fits: they never appear mid-write.
  for (LONG bit : {ES_MULTILINE, ES_WANTRETURN, ES_AUTOVSCROLL, ES_AUTOHSCROLL, WS_VSCROLL, WS_HSCROLL}) {
    EXPECT_TRUE(style & bit) << bit;
  }
  EXPECT_FALSE(style & ES_NOHIDESEL);
  EXPECT_TRUE(GetWindowLongW(editor, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

// A write over existing text builds the control anew; nothing a user or command sees may differ.
TEST_F(Editor, AWholeContentWriteKeepsPlaceStackingFocusModifiedFlagAndSettings) {
  HWND before = Control(kEditorId);
  HWND above = GetWindow(before, GW_HWNDPREV), below = GetWindow(before, GW_HWNDNEXT);
  SetFocus(before);
  SendMessageW(before, EM_SETMODIFY, TRUE, 0);
  WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, "國");
  HWND after = Control(kEditorId);
  EXPECT_EQ(GetFocus(), after);
  EXPECT_EQ(GetWindow(after, GW_HWNDPREV), above);
  EXPECT_EQ(GetWindow(after, GW_HWNDNEXT), below);
  EXPECT_TRUE(SendMessageW(after, EM_GETMODIFY, 0, 0));
  EXPECT_TRUE(IsWindowVisible(after));
  RECT r;
  GetWindowRect(after, &r);
  MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.right - r.left, 770);
  EXPECT_EQ(SendMessageW(after, EM_GETEVENTMASK, 0, 0), 0x280005);
  EXPECT_EQ(SendMessageW(after, EM_GETLIMITTEXT, 0, 0), 2147483647);
  EXPECT_EQ(ReadText(kEditorId, kRichEditContent), "國");
  // The tab cycle follows the new control.
  PressKey(after, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(0x16010006));
}

TEST_F(Editor, EnterInsertsALineBreak) {
  WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, nullptr);
  PressKeyIn(kEditorId, VK_RETURN);
  EXPECT_EQ(ReadText(kEditorId, kRichEditContent), "\r\n");
  EXPECT_EQ(GetFocus(), Control(kEditorId));
}

TEST_F(RealWindowTest, LabelCaptionIsStoredAndRepaintedEvenWhenUnchanged) {
  for (const char* caption : {"14时0分7秒", "14时0分7秒", ""}) {
    SCOPED_TRACE(caption);
    UpdateWindow(Main());
    WriteTextProperty(MainWindowId, kClockLabelId, kLabelCaption, caption);
    EXPECT_EQ(ReadText(kClockLabelId, kLabelCaption), caption);
    RECT dirty;
    EXPECT_TRUE(GetUpdateRect(Control(kClockLabelId), &dirty, FALSE));
  }
}

class Clock : public RecordingWindowTest {
 protected:
  // Pumps messages until the clock has ticked n times in all or the time is up; the milliseconds taken.
  static long WaitForTicks(int n, long limitMs) {
    auto start = std::chrono::steady_clock::now();
    long elapsed = 0;
    while (CountOf(kClockTimerId, kFirstEvent) < n && elapsed < limitMs) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      ProcessPendingMessages();
      elapsed = static_cast<long>(
          std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    }
    return elapsed;
  }
  static int32_t Period() { return static_cast<int32_t>(ReadProperty(MainWindowId, kClockTimerId, kTimerPeriod)); }
};

TEST_F(Clock, PeriodRulesNegativeCountsAsZeroAndZeroStops) {
  EXPECT_EQ(Period(), 0);
  WaitForTicks(1, 300);
  EXPECT_EQ(CountOf(kClockTimerId, kFirstEvent), 0) << "stored period 0: stopped";
  WriteIntProperty(MainWindowId, kClockTimerId, kTimerPeriod, 50);
  EXPECT_EQ(Period(), 50);
  WaitForTicks(2, 3000);
  EXPECT_GE(CountOf(kClockTimerId, kFirstEvent), 2);
  WriteIntProperty(MainWindowId, kClockTimerId, kTimerPeriod, -5);
  EXPECT_EQ(Period(), 0);
  ProcessPendingMessages();
  int stopped = CountOf(kClockTimerId, kFirstEvent);
  WaitForTicks(stopped + 1, 300);
  EXPECT_EQ(CountOf(kClockTimerId, kFirstEvent), stopped);
}

TEST_F(Clock, WritingTheSamePeriodKeepsThePhase) {
  WriteIntProperty(MainWindowId, kClockTimerId, kTimerPeriod, 1000);
  auto start = std::chrono::steady_clock::now();
  WaitForTicks(1, 600);
  WriteIntProperty(MainWindowId, kClockTimerId, kTimerPeriod, 1000);
  WaitForTicks(1, 3000);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(CountOf(kClockTimerId, kFirstEvent), 1);
  EXPECT_LT(ms, 1400) << "a restart at 600 ms would tick at 1600 ms";
}

TEST_F(RealWindowTest, DialogsStoreTheirPropertiesWithDefaultsAndBringValuesIntoRange) {
  // Properties 8 to 19: type, title, file name, filter, initial filter, folder, extension, and the
  // flags create prompt, file must exist, overwrite prompt, path must exist, keep folder.
  struct Dialog {
    uint32_t id;
    int32_t type;
  };
  for (Dialog d : {Dialog{kOpenDialogId, 0}, Dialog{kSaveDialogId, 1}}) {
    SCOPED_TRACE(d.type);
    EXPECT_TRUE(IsComponentLoaded(MainWindowId, d.id));
    EXPECT_FALSE(IsWindowVisible(Control(d.id)));
    const int64_t expected[] = {d.type, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0};
    for (int32_t p = 8; p <= 19; ++p) {
      if (p == 9 || p == 10 || p == 11 || p == 13 || p == 14) {
        EXPECT_TRUE(ReadIsNull(d.id, p)) << p;
      } else {
        EXPECT_EQ(ReadProperty(MainWindowId, d.id, p), expected[p - 8]) << p;
      }
    }
  }
  struct Case {
    int32_t property, written;
    int64_t stored;
  };
  for (Case c : {Case{8, 7, 3}, Case{8, -1, 0}, Case{8, 2, 2}, Case{12, -4, 0}, Case{12, 2, 2}, Case{16, 5, 1}}) {
    SCOPED_TRACE(c.property * 100 + c.written);
    WriteIntProperty(MainWindowId, kOpenDialogId, c.property, c.written);
    EXPECT_EQ(ReadProperty(MainWindowId, kOpenDialogId, c.property), c.stored);
  }
  WriteTextProperty(MainWindowId, kOpenDialogId, kFilterProperty, "文本文件|*.TXT");
  EXPECT_EQ(ReadText(kOpenDialogId, kFilterProperty), "文本文件|*.TXT");
}

TEST_F(RealWindowTest, MenuItemPropertiesComeFromItsRecordAndRebuildTheBar) {
  EXPECT_EQ(ReadText(kMenuOpenPath, 0), "打开左边");
  EXPECT_EQ(ReadProperty(MainWindowId, kMenuOpenPath, 3), 1);
  WriteTextProperty(MainWindowId, kMenuOpenPath, 0, "打开路径");
  wchar_t text[64] = {};
  GetMenuStringW(GetSubMenu(GetMenu(Main()), 1), 2, text, 64, MF_BYPOSITION);
  EXPECT_EQ(WideToGbk(text), "打开路径\tF6");
}

TEST_F(RealWindowTest, TheLinkCapturesThePointerWhileOverItAndLetsGoWhenItLeaves) {
  HWND link = Control(kHomepageLinkId);
  SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(GetCapture(), link);
  SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(GetCapture(), link);
  SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(500, 10));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(ReadText(kHomepageLinkId, 8), kHomepageHost);
  EXPECT_EQ(ReadText(kHomepageLinkId, 11), kHomepageAddress);
}

}  // namespace
}  // namespace tessavia::testing
