// The passes walk 64-byte blocks by bit masks; here they meet a plain byte-by-byte walk of the same rules.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "convert/conversion.h"
#include "convert/shift_jis_pairs.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

void PutEntry(std::string& text, size_t at, const unsigned char* table, int entry) {
  text[at] = static_cast<char>(table[2 * entry]);
  text[at + 1] = static_cast<char>(table[2 * entry + 1]);
}

// A lead byte takes the next byte: convertPair(text, p) decides the pair at p.
template <typename ConvertPair>
void PairwisePass(std::string& text, ConvertPair convertPair) {
  for (size_t p = 0; p < text.size();) {
    if (static_cast<unsigned char>(text[p]) < 0x80) {
      ++p;
      continue;
    }
    if (p + 1 == text.size()) break;
    convertPair(text, p);
    p += 2;
  }
}

// A table pass: entryOf gives the table entry of a pair, or -1 (pair unchanged).
template <typename EntryOf>
void TablePass(std::string& text, const unsigned char* table, EntryOf entryOf) {
  PairwisePass(text, [table, entryOf](std::string& t, size_t p) {
    int entry = entryOf(static_cast<unsigned char>(t[p]), static_cast<unsigned char>(t[p + 1]));
    if (entry >= 0) PutEntry(t, p, table, entry);
  });
}

// Kind 6 pair by pair: ShiftJisPass on each pair alone, which the exhaustive test of every pair covers.
void GbkToShiftJisByPairs(std::string& text) {
  PairwisePass(text, [](std::string& t, size_t p) {
    char pair[] = {t[p], t[p + 1], 0};
    ShiftJisPass(pair, GbkToShiftJis);
    t[p] = pair[0];
    t[p + 1] = pair[1];
  });
}

void ShiftJisToGbkByBytes(std::string& text) {
  for (size_t p = 0; p < text.size();) {
    unsigned b = static_cast<unsigned char>(text[p]);
    if (b < 0x80) {
      ++p;
      continue;
    }
    if (p + 1 == text.size()) break;
    unsigned t = static_cast<unsigned char>(text[p + 1]);
    int entry = ShiftJisEntry(b, t);
    if (entry < 0) {
      text[p] = '?';
      ++p;
      continue;
    }
    PutEntry(text, p, ShiftJisToGbkTable.data(), entry);
    for (const ShiftJisGbkPair& row : PunctuationPairs) {
      if (row.shiftJis == (b << 8 | t)) {
        text[p] = static_cast<char>(row.gbk >> 8);
        text[p + 1] = static_cast<char>(row.gbk & 0xFF);
        break;
      }
    }
    p += 2;
  }
}

std::string ByTheRules(std::string text, int32_t kind) {
  auto gbk = [](unsigned b, unsigned t) { return GbkEntry(b, t); };
  auto big5 = [](unsigned b, unsigned t) { return Big5Entry(b, t); };
  switch (kind) {
    case GbkToBig5: TablePass(text, GbkToBig5Table.data(), gbk); break;
    case Big5ToGbk: TablePass(text, Big5ToGbkTable.data(), big5); break;
    case TradToSimp: TablePass(text, TradToSimpTable.data(), gbk); break;
    case SimpToTrad: TablePass(text, SimpToTradTable.data(), gbk); break;
    case Big5ToGbkSimp:
      TablePass(text, Big5ToGbkTable.data(), big5);
      TablePass(text, TradToSimpTable.data(), gbk);
      break;
    case GbkToShiftJis: GbkToShiftJisByPairs(text); break;
    case ShiftJisToGbk: ShiftJisToGbkByBytes(text); break;
  }
  return text;
}

// Texts without zero bytes, mostly high bytes, of every length across two blocks and more.
std::string RandomText(uint32_t* seed, size_t n) {
  std::string text;
  for (size_t i = 0; i < n; ++i) {
    *seed = *seed * 1664525u + 1013904223u;
    unsigned r = *seed >> 20;
    text += static_cast<char>(r % 7 == 0 ? 1 + r % 0x7F : 0x80 + r % 0x80);
  }
  return text;
}

TEST(PassWalks, GiveWhatAByteByByteWalkGives) {
  uint32_t seed = 7;
  for (int32_t kind = 1; kind <= 7; ++kind) {
    for (size_t n = 1; n <= 200; ++n) {
      for (int round = 0; round < 5; ++round) {
        std::string text = RandomText(&seed, n);
        OwnedText converted(ConvertText(text.c_str(), kind));
        std::string expected = ByTheRules(text, kind);
        ASSERT_EQ(std::string(converted.get()), expected) << "kind " << kind << ", " << n << " bytes";
      }
    }
  }
}

// ConvertText and ConvertInPlace run the passes block by block; a pair, a held-back lead byte and
// kind 5's second pass all meet the block ends here, whatever the parity at the end.
TEST(PassWalks, GiveTheSameAcrossConversionBlocks) {
  uint32_t seed = 11;
  for (int32_t kind = 1; kind <= 7; ++kind) {
    for (size_t n : {kConvertBlock + 1, 2 * kConvertBlock + 2, 3 * kConvertBlock + 65}) {
      for (int round = 0; round < 4; ++round) {
        std::string text = RandomText(&seed, n);
        text[kConvertBlock - 1] = static_cast<char>(0xB0);
        std::string expected = ByTheRules(text, kind);
        OwnedText converted(ConvertText(text.c_str(), kind));
        ASSERT_EQ(std::string(converted.get()), expected) << "kind " << kind << ", " << n << " bytes";
        ASSERT_TRUE(ConvertInPlace(text.data(), kind));
        ASSERT_EQ(text, expected) << "in place: kind " << kind << ", " << n << " bytes";
      }
    }
  }
}

}  // namespace
}  // namespace tessavia
