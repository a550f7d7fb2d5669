// The local clock of the native build: the C library's calendar time and local-time rules.
#include <ctime>

#include "runtime/date_time.h"

namespace tessavia {

DateTime CurrentDateTime() {
  const std::time_t now = std::time(nullptr);  // whole seconds
  std::tm local{};
  localtime_r(&now, &local);
  return EncodeDateTime(
      {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
}

}  // namespace tessavia
