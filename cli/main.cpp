// tessavia-convert: converts files or standard input by one conversion kind (first cut: stdin to stdout, kind 3).
#include <cstdio>
#include <string>

#include "convert/conversion.h"

int main() {
  std::string data;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) data.append(buffer, n);
  tessavia::ConvertInPlace(data.data(), tessavia::TradToSimp);
  std::fwrite(data.data(), 1, data.size(), stdout);
  return 0;
}
