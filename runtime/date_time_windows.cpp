// The local clock on Windows: the system's local time with its milliseconds dropped.
#include <windows.h>

#include "runtime/date_time.h"

namespace tessavia {

DateTime CurrentDateTime() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return EncodeDateTime({local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond});
}

}  // namespace tessavia
