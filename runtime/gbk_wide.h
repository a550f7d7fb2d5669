// The platform edge: the program's GBK texts to and from the wide characters of the Win32 W calls.
#pragma once

#include <string>
#include <string_view>

namespace tessavia {

// Code page 936 explicitly, whatever the system's ANSI code page is.
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);

}  // namespace tessavia
