// GBK and UTF-16 through code page 936, so that captions and paths read the same on any system.
#include "runtime/gbk_wide.h"

#include <windows.h>

namespace tessavia {

constexpr UINT kGbkCodePage = 936;

std::wstring GbkToWide(std::string_view gbk) {
  if (gbk.empty()) return {};
  int n = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), n);
  return wide;
}

std::string WideToGbk(std::wstring_view wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string gbk(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), n, nullptr,
                      nullptr);
  return gbk;
}

}  // namespace tessavia
