// The conversion kinds as the batch converter names them on its command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tessavia::cli {

struct KindName {
  int32_t number;
  const char* name;
  const char* description;
};

// One list for --kind, --list-kinds and --help.
extern const KindName kKindNames[7];

// A kind by name or by decimal number; any 32-bit integer is accepted as it is (the conversion
// command itself decides that only 1 to 7 convert). Nothing for other words.
std::optional<int32_t> ParseKind(const std::string& word);

// "t2s (3)" for a known kind, the bare number otherwise.
std::string DescribeKind(int32_t kind);

}  // namespace tessavia::cli
