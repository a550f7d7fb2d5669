// The batch converter as a routine: arguments and standard streams in, exit code out.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace tessavia::cli {

struct Console {
  int in = 0;                    // standard input
  int out = 1;                   // standard output
  std::FILE* err = stderr;       // messages and the progress line
  bool errIsTerminal = false;    // whether a progress line may be drawn
  size_t blockSize = size_t{1} << 20;  // bytes read and converted at a time
};

constexpr int kExitOk = 0;
constexpr int kExitFileFailed = 1;
constexpr int kExitUsage = 2;

// Runs tessavia-convert with args (without the program name).
int RunConverter(const std::vector<std::string>& args, const Console& console);

}  // namespace tessavia::cli
