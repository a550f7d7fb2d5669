// The conversion kinds' names, and reading a kind from the command line.
#include "cli/kinds.h"

#include <cerrno>
#include <cstdlib>

namespace tessavia::cli {

const KindName kKindNames[7] = {
    {1, "gbk-big5", "GBK to BIG5"},
    {2, "big5-gbk", "BIG5 to GBK, same characters"},
    {3, "t2s", "GBK, Traditional to Simplified characters"},
    {4, "s2t", "GBK, Simplified to Traditional characters"},
    {5, "big5-gbk-simp", "BIG5 to GBK with Simplified characters"},
    {6, "gbk-sjis", "GBK to Shift-JIS"},
    {7, "sjis-gbk", "Shift-JIS to GBK"},
};

std::optional<int32_t> ParseKind(const std::string& word) {
  for (const KindName& kind : kKindNames) {
    if (word == kind.name) return kind.number;
  }
  if (word.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  long long number = std::strtoll(word.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || number < INT32_MIN || number > INT32_MAX) return std::nullopt;
  if (word[0] == ' ' || word[0] == '\t' || word[0] == '\n') return std::nullopt;  // strtoll skips them
  return static_cast<int32_t>(number);
}

std::string DescribeKind(int32_t kind) {
  for (const KindName& known : kKindNames) {
    if (known.number == kind) return std::string(known.name) + " (" + std::to_string(kind) + ")";
  }
  return std::to_string(kind);
}

}  // namespace tessavia::cli
