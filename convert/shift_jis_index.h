// The reverse index of ShiftJisToGbkTable that the GBK-to-Shift-JIS pass searches.
#pragma once

#include <cstdint>

namespace tessavia {

// The lowest entry number of ShiftJisToGbkTable holding the GBK code (first byte high), or -1: what a
// search from entry 0 upwards finds. Built once, on first use, and safe to call from any thread.
int LowestShiftJisEntry(uint16_t gbk);

// The Shift-JIS code (first byte high) at an entry number of ShiftJisToGbkTable.
uint16_t ShiftJisCodeOf(int entry);

// The Shift-JIS bytes that the GBK pair (lead, trail) becomes, lead 0x80 or more and trail not zero,
// first byte high: "??" (0x3F3F) when it has no counterpart.
uint16_t GbkPairToShiftJis(unsigned lead, unsigned trail);

}  // namespace tessavia
