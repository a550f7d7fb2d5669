// Converting a stream block by block: each pass holds back a lead byte that ends a block.
#include "cli/block_converter.h"

#include "convert/conversion.h"

namespace tessavia::cli {

BlockConverter::BlockConverter(int32_t kind, size_t blockSize)
    : kind_(kind), passes_(PassCount(kind)), buffer_(kReserve + blockSize) {
  static_assert(kReserve >= 2, "room for the held byte of each pass a kind may run");
}

ByteSpan BlockConverter::Convert(size_t n) { return RunPasses(n, false); }

ByteSpan BlockConverter::Finish() { return RunPasses(0, true); }

ByteSpan BlockConverter::RunPasses(size_t n, bool last) {
  unsigned char* start = Space();
  size_t size = n;
  for (int pass = 0; pass < passes_; ++pass) {
    // The byte this pass held back comes before everything that reaches it now.
    if (held_[pass]) {
      *--start = heldByte_[pass];
      ++size;
      held_[pass] = false;
    }
    size_t settled = RunPass(kind_, pass, start, size);
    // At the end of the input a waiting lead byte stays as it is and goes on to the next pass.
    if (settled < size && !last) {
      held_[pass] = true;
      heldByte_[pass] = start[settled];
      size = settled;
    }
  }
  return {start, size};
}

}  // namespace tessavia::cli
