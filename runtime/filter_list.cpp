// The file dialog's filter list: trailing white space off, "||" on, every "|" character a NUL.
#include "runtime/filter_list.h"

#include "runtime/gbk_chars.h"

namespace tessavia {
namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::string BuildFilterList(std::string_view filter) {
  // Walk by whole characters: the second byte of a double-byte character may be "|" (0x7C) and is
  // then part of the character, neither a separator nor the end of "||".
  std::string list;
  size_t keep = 0;       // bytes of list up to the last character that is not white space
  int trailingBars = 0;  // "|" characters at the end of what is kept
  int barsAtKeep = 0;
  for (size_t at = 0; at < filter.size();) {
    const size_t n = GbkCharLength(filter, at);
    const bool bar = n == 1 && filter[at] == '|';
    list.append(bar ? std::string_view("\0", 1) : filter.substr(at, n));
    trailingBars = bar ? trailingBars + 1 : 0;
    if (n == 2 || !IsWhiteSpace(filter[at])) {
      keep = list.size();
      barsAtKeep = trailingBars;
    }
    at += n;
  }
  list.resize(keep);
  if (list.empty()) return list;
  // The list ends with the NULs of a final "||", added when the filter does not end with it.
  if (barsAtKeep < 2) list.append(2, '\0');
  return list;
}

}  // namespace tessavia
