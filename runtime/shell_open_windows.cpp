// Shell open: a web address handed to whatever the shell opens it with.
#include <windows.h>
#include <shellapi.h>

#include "runtime/file_dialog.h"
#include "runtime/gbk_wide.h"
#include "runtime/text_values.h"

namespace tessavia {

void OpenWebAddress(const char* address) {
  // The request is owned by a browser window with exactly this title when one is open, so that the
  // shell can hand the address to it; otherwise by no window.
  const HWND browser = FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
  // A failure is the shell's to show: the program reports nothing.
  ShellExecuteW(browser, L"open", GbkToWide(OrEmpty(address)).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace tessavia
