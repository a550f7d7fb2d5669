// Converting a stream block by block, with the same result as converting it whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessavia::cli {

struct ByteSpan {
  const unsigned char* data;
  size_t size;
};

// Runs a kind's passes over consecutive blocks of one input. A lead byte at the end of a block has
// no partner yet, so each pass holds it back and converts it in front of the next block; after the
// last block, Finish gives the held bytes as they stand at the end of a text. Zero bytes are
// characters of their own, so the output always has the input's length.
class BlockConverter {
 public:
  BlockConverter(int32_t kind, size_t blockSize);

  // Room for the next block: fill up to BlockSize() bytes, then call Convert with the count.
  unsigned char* Space() { return buffer_.data() + kReserve; }
  size_t BlockSize() const { return buffer_.size() - kReserve; }

  // Converts the n bytes put into Space(); gives the bytes now settled, valid until the next call.
  ByteSpan Convert(size_t n);
  // The bytes still held back once the input has ended.
  ByteSpan Finish();

 private:
  ByteSpan RunPasses(size_t n, bool last);

  // In front of each block, one byte of room for every pass's held-back byte.
  static constexpr size_t kReserve = 2;
  int32_t kind_;
  int passes_;
  std::vector<unsigned char> buffer_;
  bool held_[kReserve] = {false, false};
  unsigned char heldByte_[kReserve] = {0, 0};
};

}  // namespace tessavia::cli
