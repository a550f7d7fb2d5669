// Fuzz target for one conversion kind (FUZZ_KIND): what must hold for any bytes at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli/block_converter.h"
#include "convert/conversion.h"

namespace {

using namespace tessavia;

void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "kind %d: %s\n", FUZZ_KIND, what);
    std::abort();
  }
}

// Single bytes below 0x80 are the bytes that the kind's pass reads as characters of their own.
bool IsSingleAt(const unsigned char* text, size_t i, size_t* next) {
  unsigned b = text[i];
  if (b < 0x80 || text[i + 1] == 0) {
    *next = i + 1;
    return b < 0x80;
  }
  unsigned t = text[i + 1];
  bool shiftJisPair = ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) && t >= 0x40 && t <= 0xFC && t != 0x7F;
  *next = FUZZ_KIND == ShiftJisToGbk && !shiftJisPair ? i + 1 : i + 2;
  return false;
}

std::string Convert(const std::string& text, int32_t kind) {
  OwnedText out(ConvertText(text.c_str(), kind));
  return out ? std::string(out.get()) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size heap block, so that AddressSanitizer sees any read or write past the terminator.
  char* source = static_cast<char*>(std::malloc(size + 1));
  std::memcpy(source, data, size);
  source[size] = '\0';
  const size_t n = std::strlen(source);
  const std::string before(source, n);

  OwnedText converted(ConvertText(source, FUZZ_KIND));
  Check(before == std::string(source, n), "the source was written to");
  if (n == 0) {
    Check(converted == nullptr, "an empty source gave a text");
  } else {
    Check(converted != nullptr && std::strlen(converted.get()) == n, "the length changed");
    const auto* in = reinterpret_cast<const unsigned char*>(source);
    const auto* out = reinterpret_cast<const unsigned char*>(converted.get());
    if (FUZZ_KIND == Big5ToGbkSimp) {
      // Two passes, the second pairing the first one's output afresh.
      Check(std::string(converted.get()) == Convert(Convert(before, Big5ToGbk), TradToSimp),
            "kind 5 differs from kind 2 followed by kind 3");
    } else {
      for (size_t i = 0, next = 0; i < n; i = next) {
        if (IsSingleAt(in, i, &next)) Check(out[i] == in[i], "a single byte below 0x80 changed");
      }
    }
    if (FUZZ_KIND == TradToSimp || FUZZ_KIND == SimpToTrad) {
      Check(Convert(converted.get(), FUZZ_KIND) == converted.get(), "converting twice changed the text");
    }
  }

  // The batch converter: the whole input, zero bytes and all, in blocks of a size taken from the data.
  const size_t blockSize = size == 0 ? 1 : 1 + data[0] % 16;
  cli::BlockConverter blocks(FUZZ_KIND, blockSize);
  std::string streamed;
  for (size_t at = 0; at < size; at += blockSize) {
    size_t count = size - at < blockSize ? size - at : blockSize;
    std::memcpy(blocks.Space(), data + at, count);
    cli::ByteSpan settled = blocks.Convert(count);
    streamed.append(reinterpret_cast<const char*>(settled.data), settled.size);
  }
  cli::ByteSpan rest = blocks.Finish();
  streamed.append(reinterpret_cast<const char*>(rest.data), rest.size);
  Check(streamed.size() == size, "streaming changed the length");
  Check(streamed.compare(0, n, converted ? converted.get() : "") == 0,
        "streaming gave another text before the first zero byte");
  std::free(source);
  return 0;
}
