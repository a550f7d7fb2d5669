// Walking GBK text by whole characters: a lead byte takes the next byte as its partner.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessavia {

inline bool IsGbkLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// The length in bytes (1 or 2) of the character that starts at text[at]. A lead byte at the very
// end has no partner and stands alone.
inline size_t GbkCharLength(std::string_view text, size_t at) {
  return IsGbkLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// The longest prefix of text of at most limit bytes that does not end inside a character.
inline std::string_view GbkPrefix(std::string_view text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = 0;
  while (end + GbkCharLength(text, end) <= limit) end += GbkCharLength(text, end);
  return text.substr(0, end);
}

}  // namespace tessavia
