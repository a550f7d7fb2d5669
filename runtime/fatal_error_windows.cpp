// The fatal-error path on Windows: the modal "错误" box with the stop icon, then exit code -1.
#include <windows.h>

#include <string>

#include "runtime/fatal_error.h"
#include "runtime/gbk_wide.h"

namespace tessavia {

void ReportFatalError(int32_t code, const char* message) {
  std::wstring text = GbkToWide(BuildFatalErrorText(code, message));
  MessageBoxW(nullptr, text.c_str(), GbkToWide("错误").c_str(), MB_OK | MB_ICONSTOP);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace tessavia
