// The benchmarks' sample text, drawn from the conversion tables with a fixed pseudo-random sequence.
#include "bench/sample_text.h"

#include <cstdint>
#include <vector>

#include "convert/tables.h"

namespace tessavia::bench {
namespace {

struct Random {
  uint64_t state = 0x9E3779B97F4A7C15ull;
  uint32_t Next(uint32_t bound) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>((state >> 33) % bound);
  }
};

// The Traditional characters of the prose: every position that kind 3 changes.
std::vector<uint16_t> TraditionalCharacters() {
  std::vector<uint16_t> codes;
  for (int entry = 0; entry < kGbkRows * kGbkColumns; ++entry) {
    int row = entry / kGbkColumns, column = entry % kGbkColumns;
    uint16_t own = static_cast<uint16_t>((0x81 + row) << 8 | (column < 63 ? 0x40 + column : 0x80 + column - 63));
    uint16_t simplified = static_cast<uint16_t>(TradToSimpTable[2 * entry] << 8 | TradToSimpTable[2 * entry + 1]);
    if (simplified != own) codes.push_back(own);
  }
  return codes;
}

}  // namespace

std::string SampleText(size_t n) {
  static const char* const kWords[] = {"Tessavia", "GBK", "2026", "Windows", "v1.0", "OK", "3.14", "A4"};
  static const char* const kPunctuation[] = {"，", "。", "、", "；", "：", "“", "”", "！"};
  const std::vector<uint16_t> traditional = TraditionalCharacters();
  Random random;
  std::string text;
  text.reserve(n + 16);
  int onLine = 0;
  while (text.size() < n) {
    uint32_t pick = random.Next(100);
    if (pick < 4) {
      text += ' ';
      text += kWords[random.Next(8)];
      text += ' ';
    } else if (pick < 14) {
      text += kPunctuation[random.Next(8)];
    } else if (pick < 26 && !traditional.empty()) {
      uint16_t code = traditional[random.Next(static_cast<uint32_t>(traditional.size()))];
      text += static_cast<char>(code >> 8);
      text += static_cast<char>(code & 0xFF);
    } else {
      // A GB2312 character: lead B0 to D7, trail A1 to FE (the common level-1 characters).
      text += static_cast<char>(0xB0 + random.Next(0xD8 - 0xB0));
      text += static_cast<char>(0xA1 + random.Next(0xFE - 0xA1));
    }
    if (++onLine >= 50 + static_cast<int>(random.Next(20))) {
      text += "\r\n";
      onLine = 0;
    }
  }
  // Cut at a character boundary: drop a trailing lead byte rather than split a pair.
  text.resize(n);
  return text;
}

}  // namespace tessavia::bench
