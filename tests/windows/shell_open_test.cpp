// Shell open: an address the shell cannot open comes back quietly, with no window of the program's.
#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/file_dialog.h"

namespace tessavia {
namespace {

int VisibleWindowsOfThisProcess() {
  int count = 0;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window)) ++*reinterpret_cast<int*>(data);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(OpenWebAddress, AnAddressTheShellCannotOpenChangesNothing) {
  const int before = VisibleWindowsOfThisProcess();
  OpenWebAddress("tessavia-nowhere-这里没有");
  OpenWebAddress("");
  EXPECT_EQ(VisibleWindowsOfThisProcess(), before);  // no message box of its own
}

}  // namespace
}  // namespace tessavia
