// Which bytes of a 64-byte block can lead or trail a Shift-JIS pair, as bit masks.
#pragma once

#include <cstdint>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace tessavia {

struct ShiftJisMasks {
  uint64_t high = 0;   // 0x80 or more
  uint64_t lead = 0;   // 0x81 to 0x9F or 0xE0 to 0xFC
  uint64_t trail = 0;  // 0x40 to 0xFC but not 0x7F
  uint64_t zero = 0;
};

constexpr bool IsShiftJisLead(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool IsShiftJisTrail(unsigned b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// The masks of the 64 bytes at p (all 64 readable), bit k for byte k.
inline ShiftJisMasks ClassifyShiftJis(const unsigned char* p) {
  ShiftJisMasks masks;
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i zero = _mm_setzero_si128();
  // b - lo, saturated down by hi - lo, is zero exactly for the bytes from lo to hi.
  auto inRange = [zero](__m128i x, char lo, char hi) {
    return _mm_cmpeq_epi8(_mm_subs_epu8(_mm_sub_epi8(x, _mm_set1_epi8(lo)), _mm_set1_epi8(static_cast<char>(hi - lo))),
                          zero);
  };
  for (int k = 0; k < 64; k += 16) {
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
    __m128i lead = _mm_or_si128(inRange(x, '\x81', '\x9F'), inRange(x, '\xE0', '\xFC'));
    __m128i trail = _mm_andnot_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(0x7F)), inRange(x, 0x40, '\xFC'));
    masks.high |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(x))) << k;
    masks.lead |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(lead))) << k;
    masks.trail |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(trail))) << k;
    masks.zero |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, zero)))) << k;
  }
#else
  for (int k = 0; k < 64; ++k) {
    unsigned b = p[k];
    masks.high |= static_cast<uint64_t>(b >= 0x80) << k;
    masks.lead |= static_cast<uint64_t>(IsShiftJisLead(b)) << k;
    masks.trail |= static_cast<uint64_t>(IsShiftJisTrail(b)) << k;
    masks.zero |= static_cast<uint64_t>(b == 0) << k;
  }
#endif
  return masks;
}

// Writes "?" over the bytes of the 64 at p that single marks. Kind 7 on text that is not Shift-JIS
// marks many bytes, so a full block is blended 16 bytes at a time rather than byte by byte.
inline void MarkSingles(unsigned char* p, uint64_t single) {
#if defined(__SSE2__) || defined(_M_X64)
  // Each byte picks its own bit out of the two mask bytes that cover it.
  const __m128i bit = _mm_set_epi8(-128, 64, 32, 16, 8, 4, 2, 1, -128, 64, 32, 16, 8, 4, 2, 1);
  const __m128i question = _mm_set1_epi8('?');
  for (int k = 0; k < 64; k += 16, single >>= 16) {
    if ((single & 0xFFFF) == 0) continue;
    __m128i spread = _mm_unpacklo_epi64(_mm_set1_epi8(static_cast<char>(single & 0xFF)),
                                        _mm_set1_epi8(static_cast<char>((single >> 8) & 0xFF)));
    __m128i marked = _mm_cmpeq_epi8(_mm_and_si128(spread, bit), bit);
    __m128i* at = reinterpret_cast<__m128i*>(p + k);
    __m128i x = _mm_loadu_si128(at);
    _mm_storeu_si128(at, _mm_or_si128(_mm_andnot_si128(marked, x), _mm_and_si128(marked, question)));
  }
#else
  for (int k = 0; k < 64; ++k) {
    if ((single >> k) & 1) p[k] = '?';
  }
#endif
}

}  // namespace tessavia
