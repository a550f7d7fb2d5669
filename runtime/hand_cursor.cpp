// The hand pointer of the homepage link, drawn here as text: '#' black, '.' white, ' ' transparent.
#include <windows.h>

#include "runtime/component_kinds.h"

namespace tessavia {

namespace {

constexpr int kSize = 32;
constexpr int kHotX = 5, kHotY = 0;  // the fingertip
constexpr const char* kHand[] = {
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..##",
    "    #..#..#..#.#",
    "### #..#..#..#..#",
    "#..##...........#",
    "#...#...........#",
    " #..#...........#",
    "  #.............#",
    "  #.............#",
    "   #............#",
    "   #...........#",
    "    #..........#",
    "    #.........#",
    "     #........#",
    "     #........#",
    "     ##########",
};

}  // namespace

HCURSOR CreateHandCursor() {
  // Monochrome masks, one bit a pixel, most significant bit first: AND 1 keeps the screen,
  // AND 0 with XOR 0 paints black, AND 0 with XOR 1 paints white.
  BYTE andMask[kSize * kSize / 8];
  BYTE xorMask[kSize * kSize / 8] = {};
  for (BYTE& b : andMask) b = 0xFF;
  int rows = static_cast<int>(sizeof kHand / sizeof kHand[0]);
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; kHand[y][x] && x < kSize; ++x) {
      char c = kHand[y][x];
      if (c == ' ') continue;
      int bit = y * kSize + x;
      BYTE mask = static_cast<BYTE>(0x80 >> (bit % 8));
      andMask[bit / 8] &= static_cast<BYTE>(~mask);
      if (c == '.') xorMask[bit / 8] |= mask;
    }
  }
  return CreateCursor(GetModuleHandleW(nullptr), kHotX, kHotY, kSize, kSize, andMask, xorMask);
}

}  // namespace tessavia
