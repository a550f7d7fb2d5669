// INI lookup: lines, "[section]" headers and "key = value" lines, matched as the profile reader does.
#include "runtime/ini_format.h"

#include "runtime/gbk_chars.h"

namespace tessavia {
namespace {

// White space as the profile reader counts it, DOS end-of-file (^Z) included.
bool IsIniSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A;
}

std::string_view TrimStart(std::string_view s) {
  while (!s.empty() && IsIniSpace(s.front())) s.remove_prefix(1);
  return s;
}
std::string_view TrimEnd(std::string_view s) {
  while (!s.empty() && IsIniSpace(s.back())) s.remove_suffix(1);
  return s;
}
std::string_view Trim(std::string_view s) {
  return TrimEnd(TrimStart(s));
}

// Upper-case letters that have a lower-case partner in GBK: single-byte Latin, and the full-width
// Latin, Greek and Cyrillic rows of two-byte characters, whose lower-case halves lie a fixed step on.
struct CaseRange {
  unsigned char lead, first, last, step;
};
constexpr CaseRange kCaseRanges[] = {
    {0xA3, 0xC1, 0xDA, 0x20},  // Ａ..Ｚ → ａ..ｚ
    {0xA6, 0xA1, 0xB8, 0x20},  // Α..Ω → α..ω
    {0xA7, 0xA1, 0xC1, 0x30},  // А..Я → а..я
};

// One character's second byte folded to lower case.
unsigned char FoldTrail(unsigned char lead, unsigned char trail) {
  for (const CaseRange& r : kCaseRanges) {
    if (lead == r.lead && trail >= r.first && trail <= r.last)
      return static_cast<unsigned char>(trail + r.step);
  }
  return trail;
}

// Equal without regard to letter case, character by character so that a second byte that happens
// to be a Latin letter is compared exactly.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t at = 0; at < a.size();) {
    const size_t n = GbkCharLength(a, at);
    if (n != GbkCharLength(b, at)) return false;
    const auto a0 = static_cast<unsigned char>(a[at]), b0 = static_cast<unsigned char>(b[at]);
    if (n == 1) {
      auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
      if (lower(a0) != lower(b0)) return false;
    } else {
      const auto a1 = static_cast<unsigned char>(a[at + 1]), b1 = static_cast<unsigned char>(b[at + 1]);
      if (a0 != b0 || FoldTrail(a0, a1) != FoldTrail(b0, b1)) return false;
    }
    at += n;
  }
  return true;
}

// The last "]" character of a line; a second byte 0x5D inside a double-byte character is not one.
size_t FindLastBracket(std::string_view line) {
  size_t found = std::string_view::npos;
  for (size_t at = 0; at < line.size(); at += GbkCharLength(line, at)) {
    if (line[at] == ']') found = at;
  }
  return found;
}

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string Fit(std::string_view value) {
  return std::string(GbkPrefix(value, kIniValueBufferBytes - 1));
}

}  // namespace

std::string LookUpIniValue(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view defaultValue) {
  section = Trim(section);
  key = Trim(key);
  // Lines before the first header belong to a section without a name, which no lookup names.
  bool inSection = false;
  while (!file.empty()) {
    const size_t end = file.find('\n');
    std::string_view line = Trim(file.substr(0, end));
    file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      // The name runs to the last "]" of the line; a line without one is read as a key line.
      const size_t close = FindLastBracket(line);
      if (close != std::string_view::npos) {
        // Only the first section of a name counts, as with the platform reader.
        if (inSection) break;
        inSection = SameName(line.substr(1, close - 1), section);
        continue;
      }
    }
    if (!inSection) continue;
    const size_t equals = line.find('=');
    const std::string_view name = TrimEnd(line.substr(0, equals));
    if (!SameName(name, key)) continue;
    // The first line of the key decides; one without "=" has no value.
    if (equals == std::string_view::npos) break;
    return Fit(StripQuotes(TrimStart(line.substr(equals + 1))));
  }
  return Fit(TrimEnd(defaultValue));
}

}  // namespace tessavia
