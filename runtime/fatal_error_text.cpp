// The fatal-error report's text, shared by the Windows box and the native standard-error form.
#include <string>

#include "runtime/fatal_error.h"

namespace tessavia {

std::string BuildFatalErrorText(int32_t code, const char* message) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
  if (message && *message) text += std::string("错误信息：") + message + "\r\n";
  return text;
}

}  // namespace tessavia
