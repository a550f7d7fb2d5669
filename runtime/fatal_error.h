// The fatal-error path: the "错误" box (or standard error natively) and an exit with code -1.
#pragma once

#include <cstdint>
#include <string>

namespace tessavia {

// Shows the fatal-error report and ends the process; never returns.
[[noreturn]] void ReportFatalError(int32_t code, const char* message);

// The report's text, byte for byte: "运行时出错!" CR LF CR LF, then "错误代码：" and the code with two
// line breaks when the code is not 0, then "错误信息：", the message and CR LF when there is one.
std::string BuildFatalErrorText(int32_t code, const char* message);

// Lets the window runtime take part: onStart runs before the box is shown (event delivery stops),
// onEnd after it is dismissed (the shutdown hook is dropped and the runtime cleaned up).
void SetFatalErrorHandlers(void (*onStart)(), void (*onEnd)());

}  // namespace tessavia
