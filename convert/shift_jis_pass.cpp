// The Shift-JIS pass: Shift-JIS to GBK by direct lookup, GBK to Shift-JIS through the reverse index.
#include <cstring>

#include "convert/conversion.h"
#include "convert/pair_tables.h"
#include "convert/shift_jis_index.h"
#include "convert/shift_jis_masks.h"
#include "convert/shift_jis_pairs.h"
#include "convert/span_walk.h"
#include "convert/table_pass.h"
#include "convert/tables.h"

namespace tessavia {
namespace {

// The whole answer for every pair with a first byte of 0x80 or more, decided once, so that a pass
// makes one lookup per pair: for kind 6 by GbkPairToShiftJis instead of up to 44 comparisons and
// two searches, for kind 7 with PunctuationPairs folded in. Held as a pair table (pair_tables.h),
// so that both kinds replace a pair as the table passes do.
template <typename AnswerOf>
PairTable BuildAnswers(AnswerOf answerOf) {
  PairTable answers{};
  for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
    for (unsigned trail = 0; trail <= 0xFF; ++trail) {
      uint16_t answer = answerOf(lead, trail);
      answers.change[PairValue(lead, trail)] = PairValue(lead, trail) ^ PairValue(answer >> 8, answer & 0xFF);
    }
  }
  return answers;
}

const PairTable& GbkToShiftJisAnswers() {
  // A lead byte before a zero byte keeps its bytes, as before the terminator.
  static const PairTable answers = BuildAnswers([](unsigned lead, unsigned trail) {
    return trail == 0 ? static_cast<uint16_t>(lead << 8) : GbkPairToShiftJis(lead, trail);
  });  // built on first use; C++ makes that thread-safe
  return answers;
}

size_t GbkToShiftJisSpan(unsigned char* bytes, size_t n) {
  return TablePassSpan(bytes, n, GbkToShiftJisAnswers());
}

// The GBK code of a Shift-JIS pair (PunctuationPairs first, then ShiftJisToGbkTable), or 0 where
// no pair starts.
uint16_t ShiftJisPairToGbk(unsigned lead, unsigned trail) {
  int entry = ShiftJisEntry(lead, trail);
  if (entry < 0) return 0;
  for (const ShiftJisGbkPair& row : PunctuationPairs) {
    if (row.shiftJis == (lead << 8 | trail)) return row.gbk;
  }
  return static_cast<uint16_t>(ShiftJisToGbkTable[2 * entry] << 8 | ShiftJisToGbkTable[2 * entry + 1]);
}

const PairTable& ShiftJisToGbkAnswers() {
  static const PairTable answers = BuildAnswers(ShiftJisPairToGbk);  // thread-safe first use
  return answers;
}

// Kind 7 decides per byte whether a pair starts (a lead byte before a trail byte) or the byte
// stands alone, and each decision moves the next one; read byte by byte, that is a chain of
// dependent lookups. The masks of a 64-byte block settle it at once: a byte "can pair" when it is
// a lead byte and the next a trail byte; every run of such bytes starts a character (the byte
// before cannot pair, so it is single or a partner), and inside a run pairs start at every second
// byte, exactly like the high bytes of GBK text (PairStarts). The other high bytes become "?",
// except one directly before a zero byte, which stays, as before the terminator.
size_t ShiftJisToGbkSpan(unsigned char* bytes, size_t n) {
  const PairTable& answers = ShiftJisToGbkAnswers();
  bool partnerFirst = false;  // byte 0 of this block is the partner of the pair before it
  for (size_t base = 0; base < n; base += 64) {
    const size_t size = n - base < 64 ? n - base : 64;
    unsigned char tail[64] = {};
    if (size < 64) std::memcpy(tail, bytes + base, size);
    ShiftJisMasks masks = ClassifyShiftJis(size < 64 ? tail : bytes + base);
    const bool last = base + size == n;
    const unsigned next = last ? 0 : bytes[base + 64];
    const uint64_t followingTrail = (masks.trail >> 1) | (static_cast<uint64_t>(!last && IsShiftJisTrail(next)) << 63);
    const uint64_t followingZero = (masks.zero >> 1) | (static_cast<uint64_t>(!last && next == 0) << 63);
    uint64_t canPair = masks.lead & followingTrail;
    if (partnerFirst) canPair &= ~uint64_t{1};
    const uint64_t starts = PairStarts(canPair);
    const uint64_t partners = (starts << 1) | static_cast<uint64_t>(partnerFirst);
    uint64_t single = masks.high & ~starts & ~partners & ~followingZero;
    const uint64_t lastBit = uint64_t{1} << (size - 1);
    // A lead byte at the very end waits for its partner; it is neither a pair nor a "?" yet.
    const bool waiting = last && (masks.high & ~partners & lastBit) != 0;
    if (waiting) single &= ~lastBit;
    // The "?" first: a pair replaced before would be overwritten by the blend's stale copy.
    if (size == 64) {
      MarkSingles(bytes + base, single);
    } else {
      for (; single; single &= single - 1) bytes[base + LowestBit(single)] = '?';
    }
    for (uint64_t s = starts; s; s &= s - 1) ReplacePair(bytes + base + LowestBit(s), answers);
    if (waiting) return n - 1;
    partnerFirst = (starts >> 63) != 0;
  }
  return n;
}

}  // namespace

size_t ShiftJisPassSpan(unsigned char* bytes, size_t n, int32_t kind) {
  return kind == GbkToShiftJis ? GbkToShiftJisSpan(bytes, n) : ShiftJisToGbkSpan(bytes, n);
}

void ShiftJisPass(char* text, int32_t kind) {
  ShiftJisPassSpan(reinterpret_cast<unsigned char*>(text), std::strlen(text), kind);
}

}  // namespace tessavia
