// The program's end seen from outside: exit codes, the shutdown hook, and the fatal-error box.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "runtime/fatal_error.h"
#include "runtime/gbk_wide.h"
#include "tests/windows/child_scenarios.h"

namespace tessavia::testing {
namespace {

struct ChildRun {
  DWORD exitCode = 0;
  std::string output;
  std::string boxCaption, boxText;  // empty when no box appeared
  int boxButtons = 0;
};

struct BoxSearch {
  DWORD processId;
  HWND box;
};

BOOL CALLBACK FindDialogOfProcess(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<BoxSearch*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  if (pid == search->processId && std::wstring(cls) == L"#32770" && IsWindowVisible(hwnd)) {
    search->box = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Reads the message box's caption, text, icon and buttons, then presses OK.
void ReadAndDismissBox(HWND box, ChildRun& run) {
  wchar_t text[512] = {};
  GetWindowTextW(box, text, 512);
  run.boxCaption = WideToGbk(text);
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    std::wstring kind = cls;
    if (kind == L"Button") ++run.boxButtons;
    if (_wcsicmp(cls, L"Static") != 0) continue;
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON && GetWindowTextW(child, text, 512) > 0) {
      run.boxText = WideToGbk(text);
    }
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

ChildRun RunChild(const char* scenario) {
  ChildRun run;
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(exe) + L"\" --child=" + GbkToWide(scenario);
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(exe, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start the child";
    return run;
  }
  CloseHandle(writeEnd);
  CloseHandle(process.hThread);
  for (int waited = 0; waited < 30000; waited += 100) {
    if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) break;
    BoxSearch search{process.dwProcessId, nullptr};
    EnumWindows(FindDialogOfProcess, reinterpret_cast<LPARAM>(&search));
    if (search.box && run.boxCaption.empty()) ReadAndDismissBox(search.box, run);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    ADD_FAILURE() << "the child did not end";
  }
  GetExitCodeProcess(process.hProcess, &run.exitCode);
  CloseHandle(process.hProcess);
  char buffer[4096];
  DWORD n;
  while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) run.output.append(buffer, n);
  CloseHandle(readEnd);
  return run;
}

int HookCalls(const std::string& output) {
  int n = 0;
  for (size_t at = output.find(kHookLine); at != std::string::npos; at = output.find(kHookLine, at + 1)) ++n;
  return n;
}

class NormalClose : public ::testing::TestWithParam<const char*> {};

TEST_P(NormalClose, EndsWithExitCodeZeroAndTheHookCalledOnceWithoutAQuestion) {
  ChildRun run = RunChild(GetParam());
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(HookCalls(run.output), 1);
  EXPECT_EQ(run.boxCaption, "") << "nothing asks before closing";
}
INSTANTIATE_TEST_SUITE_P(Ways, NormalClose, ::testing::Values("esc", "close-box", "alt-f4"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

struct FatalCase {
  const char* scenario;
  const char* message;
};

void PrintTo(const FatalCase& c, std::ostream* os) { *os << c.scenario; }

class FatalEnd : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalEnd, ShowsTheErrorBoxThenExitsWithMinusOneAndNoHook) {
  ChildRun run = RunChild(GetParam().scenario);
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
  EXPECT_EQ(HookCalls(run.output), 0);
  EXPECT_EQ(run.boxCaption, "错误");
  EXPECT_EQ(run.boxText, BuildFatalErrorText(0, GetParam().message));
  EXPECT_NE(run.output.find(kStopIconLine), std::string::npos) << "the child saw the stop icon in its box";
  EXPECT_EQ(run.boxButtons, 1) << "OK alone";
}
INSTANTIATE_TEST_SUITE_P(Failures, FatalEnd,
                         ::testing::Values(FatalCase{"fatal-window", "未载入欲访问窗口组件所在的窗口"},
                                           FatalCase{"fatal-component", "未载入欲访问窗口组件所在的窗口"},
                                           FatalCase{"fatal-start", "载入启动窗口失败"}),
                         [](const auto& info) {
                           std::string name = info.param.scenario;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

TEST(FatalErrorText, IsBuiltByteForByte) {
  EXPECT_EQ(BuildFatalErrorText(0, "载入启动窗口失败"), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(BuildFatalErrorText(-7, ""), "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n");
}

}  // namespace
}  // namespace tessavia::testing
