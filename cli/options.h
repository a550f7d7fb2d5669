// The batch converter's command line: what it asks for, or why it is not understood.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessavia::cli {

struct Options {
  enum class Action { Convert, Help, Version, ListKinds } action = Action::Convert;
  int32_t kind = 3;             // t2s
  std::string output;           // -o OUT; empty for standard output (also "-o -")
  bool inPlace = false;         // --in-place
  std::vector<std::string> inputs;  // "-" is standard input; empty means standard input alone
  std::string usageError;       // set when the command line is not understood
};

Options ParseOptions(const std::vector<std::string>& args);

std::string HelpText();
std::string KindListText();

}  // namespace tessavia::cli
