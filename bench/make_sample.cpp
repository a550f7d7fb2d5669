// Writes N bytes of the benchmarks' GBK sample text to standard output (for the file-level timing).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/sample_text.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample BYTES\n");
    return 2;
  }
  unsigned long long total = std::strtoull(argv[1], nullptr, 10);
  // One 64 MiB stretch repeated: the text stays realistic and the tool stays quick.
  const std::string block = tessavia::bench::SampleText(std::min<unsigned long long>(total, 64ull << 20));
  for (unsigned long long written = 0; written < total;) {
    size_t n = static_cast<size_t>(std::min<unsigned long long>(block.size(), total - written));
    if (std::fwrite(block.data(), 1, n, stdout) != n) return 1;
    written += n;
  }
  return 0;
}
