// The fatal-error path on Windows: the modal "错误" box with the stop icon, then exit code -1.
#include <windows.h>

#include <string>

#include "runtime/fatal_error.h"
#include "runtime/gbk_wide.h"

namespace tessavia {
namespace {

struct FatalHandlers {
  void (*onStart)() = nullptr;
  void (*onEnd)() = nullptr;
};

FatalHandlers& Handlers() {
  static FatalHandlers handlers;
  return handlers;
}

}  // namespace

void SetFatalErrorHandlers(void (*onStart)(), void (*onEnd)()) { Handlers() = {onStart, onEnd}; }

void ReportFatalError(int32_t code, const char* message) {
  // A second failure while the box is up or during clean-up must not show another box.
  static bool reporting = false;
  if (reporting) ExitProcess(static_cast<UINT>(-1));
  reporting = true;
  if (Handlers().onStart) Handlers().onStart();
  std::wstring text = GbkToWide(BuildFatalErrorText(code, message));
  MessageBoxW(nullptr, text.c_str(), GbkToWide("错误").c_str(), MB_OK | MB_ICONSTOP);
  if (Handlers().onEnd) Handlers().onEnd();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace tessavia
