// The compiled code tables: GBK-indexed (126 x 190), BIG5-indexed (95 x 157) and Shift-JIS-indexed (60 x 188).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tessavia {

// GBK-indexed: lead 0x81..0xFE by row; trail 0x40..0x7E then 0x80..0xFE by column; two bytes an entry.
constexpr int kGbkRows = 126;
constexpr int kGbkColumns = 190;
constexpr size_t kGbkTableBytes = size_t{kGbkRows} * kGbkColumns * 2;

// BIG5-indexed: lead 0xA0..0xFE by row; trail 0x40..0x7E then 0xA1..0xFE by column.
constexpr int kBig5Rows = 95;
constexpr int kBig5Columns = 157;
constexpr size_t kBig5TableBytes = size_t{kBig5Rows} * kBig5Columns * 2;

// Shift-JIS-indexed: lead 0x81..0x9F then 0xE0..0xFC by row; trail 0x40..0x7E then 0x80..0xFC by column.
constexpr int kShiftJisRows = 60;
constexpr int kShiftJisColumns = 188;
constexpr size_t kShiftJisTableBytes = size_t{kShiftJisRows} * kShiftJisColumns * 2;

// Read-only and built at compile time from the sources in convert/tables/.
extern const std::array<unsigned char, kGbkTableBytes>& TradToSimpTable;
extern const std::array<unsigned char, kGbkTableBytes>& SimpToTradTable;
extern const std::array<unsigned char, kGbkTableBytes>& GbkToBig5Table;
extern const std::array<unsigned char, kBig5TableBytes>& Big5ToGbkTable;
extern const std::array<unsigned char, kShiftJisTableBytes>& ShiftJisToGbkTable;

// Entry numbers of a pair, or -1 when the pair has no column in that table.
constexpr int GbkEntry(unsigned lead, unsigned trail) {
  if (lead < 0x81 || lead > 0xFE) return -1;
  int row = static_cast<int>(lead - 0x81) * kGbkColumns;
  if (trail >= 0x40 && trail <= 0x7E) return row + static_cast<int>(trail - 0x40);
  if (trail >= 0x80 && trail <= 0xFE) return row + 63 + static_cast<int>(trail - 0x80);
  return -1;
}

constexpr int Big5Entry(unsigned lead, unsigned trail) {
  if (lead < 0xA0 || lead > 0xFE) return -1;
  int row = static_cast<int>(lead - 0xA0) * kBig5Columns;
  if (trail >= 0x40 && trail <= 0x7E) return row + static_cast<int>(trail - 0x40);
  if (trail >= 0xA1 && trail <= 0xFE) return row + 63 + static_cast<int>(trail - 0xA1);
  return -1;
}

constexpr int ShiftJisEntry(unsigned lead, unsigned trail) {
  int row = 0;
  if (lead >= 0x81 && lead <= 0x9F) row = static_cast<int>(lead - 0x81);
  else if (lead >= 0xE0 && lead <= 0xFC) row = static_cast<int>(lead - 0xC1);
  else return -1;
  if (trail >= 0x40 && trail <= 0x7E) return row * kShiftJisColumns + static_cast<int>(trail - 0x40);
  if (trail >= 0x80 && trail <= 0xFC) return row * kShiftJisColumns + static_cast<int>(trail - 0x41);
  return -1;
}

}  // namespace tessavia
