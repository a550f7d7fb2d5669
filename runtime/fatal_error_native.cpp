// The fatal-error path of the native build: the report on standard error and a failure exit code.
#include <cstdio>
#include <cstdlib>

#include "runtime/fatal_error.h"

namespace tessavia {

// The native build has no window runtime to tell.
void SetFatalErrorHandlers(void (*)(), void (*)()) {}

void ReportFatalError(int32_t code, const char* message) {
  std::string text = BuildFatalErrorText(code, message);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace tessavia
