// The child scenarios: the entry routine's steps with a shutdown hook that reports itself.
#include "tests/windows/child_scenarios.h"

#include <windows.h>

#include <cstdio>

#include "app/component_ids.h"
#include "app/program_hooks.h"
#include "app/window_description.h"
#include "runtime/components.h"
#include "runtime/lifecycle.h"
#include "runtime/window_access.h"

namespace tessavia::testing {

namespace {

void ReportingShutdownHook() {
  ShutdownHook();
  std::puts(kHookLine);
  std::fflush(stdout);
}

void HoldAlt() {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_MENU] = 0x80;
  SetKeyboardState(state);
}

// Looks at each dialog as it is activated: the fatal-error box must carry the system's stop icon.
LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    auto box = reinterpret_cast<HWND>(wParam);
    HICON stop = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_HAND));
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == stop) {
        std::puts(kStopIconLine);
        std::fflush(stdout);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int RunChildScenario(const std::string& name) {
  SetWindowsHookExW(WH_CBT, WatchBoxes, nullptr, GetCurrentThreadId());
  InitRuntime(MainWindowDescription);
  StartupHook();
  SetShutdownHook(ReportingShutdownHook);
  LoadWindow(name == "fatal-start" ? MainWindowId + 1 : MainWindowId);
  HWND main = WindowHandle(MainWindowId);
  HWND editor = ComponentHandle(MainWindowId, kEditorId);
  SetFocus(editor);
  if (name == "esc") {
    PostMessageW(editor, WM_KEYDOWN, VK_ESCAPE, 1);

  } else if (name == "close-box") {
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else if (name == "alt-f4") {
    HoldAlt();
    PostMessageW(editor, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
  } else if (name == "fatal-window") {
    ReadProperty(MainWindowId + 1, kEditorId, kRichEditContent);
  } else if (name == "fatal-component") {
    WriteIntProperty(MainWindowId, 0x16010099, 8, 0);
  } else {
    return 2;
  }
  RunMessageLoop();
  return 0;  // the process end path runs FinalCleanup
}

}  // namespace tessavia::testing
