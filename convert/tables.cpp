// Turns the table sources in convert/tables/ into the compiled constant tables, at compile time.
#include "convert/tables.h"

#include "convert/pair_tables.h"

#include <array>
#include <cstdint>

namespace tessavia {
namespace {

struct Mapping {
  uint16_t from;
  uint16_t to;
};

enum class Fill { OwnCode, Constant };

// Every entry starts as its own code (or a fixed code), then each listed mapping overwrites one.
template <size_t Bytes, size_t N, typename EntryOf, typename CodeOf>
constexpr std::array<unsigned char, Bytes> Build(const Mapping (&mappings)[N], Fill fill, uint16_t constant,
                                                 EntryOf entryOf, CodeOf codeOf) {
  std::array<unsigned char, Bytes> table{};
  for (size_t i = 0; i < Bytes / 2; ++i) {
    uint16_t code = fill == Fill::OwnCode ? codeOf(static_cast<int>(i)) : constant;
    table[2 * i] = static_cast<unsigned char>(code >> 8);
    table[2 * i + 1] = static_cast<unsigned char>(code & 0xFF);
  }
  for (const Mapping& m : mappings) {
    int entry = entryOf(m.from >> 8, m.from & 0xFF);
    table[2 * entry] = static_cast<unsigned char>(m.to >> 8);
    table[2 * entry + 1] = static_cast<unsigned char>(m.to & 0xFF);
  }
  return table;
}

constexpr uint16_t GbkCodeOf(int entry) {
  int row = entry / kGbkColumns, column = entry % kGbkColumns;
  int trail = column < 63 ? 0x40 + column : 0x80 + (column - 63);
  return static_cast<uint16_t>(((0x81 + row) << 8) | trail);
}

constexpr uint16_t Big5CodeOf(int entry) {
  int row = entry / kBig5Columns, column = entry % kBig5Columns;
  int trail = column < 63 ? 0x40 + column : 0xA1 + (column - 63);
  return static_cast<uint16_t>(((0xA0 + row) << 8) | trail);
}

constexpr int GbkAt(unsigned lead, unsigned trail) { return GbkEntry(lead, trail); }
constexpr int Big5At(unsigned lead, unsigned trail) { return Big5Entry(lead, trail); }
constexpr int ShiftJisAt(unsigned lead, unsigned trail) { return ShiftJisEntry(lead, trail); }
constexpr uint16_t NoCode(int) { return 0; }

#define E(from, to) {from, to},
constexpr Mapping kTradToSimp[] = {
#include "convert/tables/trad_to_simp.txt"
};
constexpr Mapping kSimpToTrad[] = {
#include "convert/tables/simp_to_trad.txt"
};
constexpr Mapping kGbkToBig5[] = {
#include "convert/tables/gbk_to_big5.txt"
};
constexpr Mapping kBig5ToGbk[] = {
#include "convert/tables/big5_to_gbk.txt"
};
constexpr Mapping kShiftJisToGbk[] = {
#include "convert/tables/shift_jis_to_gbk.txt"
};
#undef E

constexpr auto kTradToSimpBuilt = Build<kGbkTableBytes>(kTradToSimp, Fill::OwnCode, 0, GbkAt, GbkCodeOf);
constexpr auto kSimpToTradBuilt = Build<kGbkTableBytes>(kSimpToTrad, Fill::OwnCode, 0, GbkAt, GbkCodeOf);
constexpr auto kGbkToBig5Built = Build<kGbkTableBytes>(kGbkToBig5, Fill::Constant, 0xA140, GbkAt, NoCode);
constexpr auto kBig5ToGbkBuilt = Build<kBig5TableBytes>(kBig5ToGbk, Fill::OwnCode, 0, Big5At, Big5CodeOf);
constexpr auto kShiftJisToGbkBuilt =
    Build<kShiftJisTableBytes>(kShiftJisToGbk, Fill::Constant, 0xA1A1, ShiftJisAt, NoCode);

// The pair table of a built table: for each entry, its own code's pair XOR the entry. All other
// pairs stay zero, which costs the compiler nothing, where filling 65,536 values one by one would
// cost it seconds.
template <size_t Bytes, typename CodeOf>
constexpr PairTable PairsOf(const std::array<unsigned char, Bytes>& table, CodeOf codeOf) {
  PairTable pairs{};
  for (size_t entry = 0; entry < Bytes / 2; ++entry) {
    uint16_t code = codeOf(static_cast<int>(entry));
    uint16_t own = PairValue(code >> 8, code & 0xFF);
    pairs.change[own] = static_cast<uint16_t>(own ^ PairValue(table[2 * entry], table[2 * entry + 1]));
  }
  return pairs;
}

constexpr PairTable kTradToSimpPairs = PairsOf(kTradToSimpBuilt, GbkCodeOf);
constexpr PairTable kSimpToTradPairs = PairsOf(kSimpToTradBuilt, GbkCodeOf);
constexpr PairTable kGbkToBig5Pairs = PairsOf(kGbkToBig5Built, GbkCodeOf);
constexpr PairTable kBig5ToGbkPairs = PairsOf(kBig5ToGbkBuilt, Big5CodeOf);

// Kind 5 runs the GBK pass with TradToSimpTable over what the BIG5 pass wrote, pairing that text
// afresh. Where every BIG5 entry starts with a byte of 0x80 or more, the second pass pairs the
// bytes exactly as the first did (a pair it leaves starts with such a byte too), so each pair
// meets the two tables one after the other and one table can hold both steps.
constexpr bool FirstBytesAreLeadBytes(const std::array<unsigned char, kBig5TableBytes>& table) {
  for (size_t at = 0; at < table.size(); at += 2) {
    if (table[at] < 0x80) return false;
  }
  return true;
}
static_assert(FirstBytesAreLeadBytes(kBig5ToGbkBuilt),
              "a BIG5 entry below 0x80 makes the GBK pass of kind 5 pair differently: run it as a pass of its own");

// Pairs that the BIG5 table leaves go through the GBK table alone, so start from that one.
constexpr PairTable Big5ThenTradToSimp() {
  PairTable pairs = kTradToSimpPairs;
  for (int entry = 0; entry < kBig5Rows * kBig5Columns; ++entry) {
    uint16_t code = Big5CodeOf(entry);
    uint16_t own = PairValue(code >> 8, code & 0xFF);
    uint16_t gbk = own ^ kBig5ToGbkPairs.change[own];
    pairs.change[own] = static_cast<uint16_t>(own ^ gbk ^ kTradToSimpPairs.change[gbk]);
  }
  return pairs;
}
constexpr PairTable kBig5ToGbkSimpPairs = Big5ThenTradToSimp();

}  // namespace

const std::array<unsigned char, kGbkTableBytes>& TradToSimpTable = kTradToSimpBuilt;
const std::array<unsigned char, kGbkTableBytes>& SimpToTradTable = kSimpToTradBuilt;
const std::array<unsigned char, kGbkTableBytes>& GbkToBig5Table = kGbkToBig5Built;
const std::array<unsigned char, kBig5TableBytes>& Big5ToGbkTable = kBig5ToGbkBuilt;
const std::array<unsigned char, kShiftJisTableBytes>& ShiftJisToGbkTable = kShiftJisToGbkBuilt;

const PairTable& TradToSimpPairs = kTradToSimpPairs;
const PairTable& SimpToTradPairs = kSimpToTradPairs;
const PairTable& GbkToBig5Pairs = kGbkToBig5Pairs;
const PairTable& Big5ToGbkPairs = kBig5ToGbkPairs;
const PairTable& Big5ToGbkSimpPairs = kBig5ToGbkSimpPairs;

}  // namespace tessavia
