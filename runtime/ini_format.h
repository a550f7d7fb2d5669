// Looking a value up in the bytes of an INI settings file, by the rules of the Windows profile reader.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessavia {

// Room for a value: 10239 bytes and the NUL.
constexpr size_t kIniValueBufferBytes = 10240;

// The value of key in section: the text after the first "=" of the key's line without the white
// space around it and one pair of enclosing quotes, else the default without trailing white space;
// cut to 10239 bytes between characters. Section and key match without regard to letter case, the
// first matching section and in it the first matching key counting.
std::string LookUpIniValue(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view defaultValue);

}  // namespace tessavia
