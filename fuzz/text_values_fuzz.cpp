// Fuzz target for the text and byte values: any bytes through BytesToText, TextToBytes, ConcatTexts, CompareTexts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/text_values.h"

namespace {

using namespace tessavia;

void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "text values: %s\n", what);
    std::abort();
  }
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1 << 20)) return 0;
  const int32_t n = static_cast<int32_t>(size);
  // The bytes as a ByteSet: up to the first zero byte they become a Text.
  OwnedByteSet bytes(n > 0 ? MakeByteSet(data, n) : nullptr);
  OwnedText text(BytesToText(OrEmpty(bytes.get())));
  const size_t zero = std::find(data, data + size, 0) - data;
  Check((zero == 0) == (text == nullptr), "BytesToText gave null for a non-empty text, or the reverse");
  Check(TextLength(text.get()) == static_cast<int32_t>(zero), "BytesToText did not stop at the first zero");
  Check(!text || std::memcmp(text.get(), data, zero) == 0, "BytesToText changed the bytes");

  // And back: the same bytes, no terminator, null for the empty text.
  OwnedByteSet back(TextToBytes(OrEmpty(text.get())));
  Check((back == nullptr) == (zero == 0), "TextToBytes of an empty text is not null");
  Check(!back || (back->dimensionCount == 1 && back->length == static_cast<int32_t>(zero) &&
                  std::memcmp(ByteSetData(back.get()), data, zero) == 0),
        "TextToBytes does not give the text's bytes");

  // Two texts cut from the data: joined, and compared both ways round.
  const size_t cut = size == 0 ? 0 : data[0] % (size + 1);
  std::string left(reinterpret_cast<const char*>(data), cut), right(reinterpret_cast<const char*>(data) + cut, size - cut);
  left.resize(std::strlen(left.c_str()));
  right.resize(std::strlen(right.c_str()));
  OwnedText joined(ConcatTexts(2, left.c_str(), right.c_str()));
  Check(joined != nullptr && std::string(joined.get()) == left + right, "ConcatTexts is not the two joined");
  int32_t order = CompareTexts(left.c_str(), right.c_str());
  Check(order == -1 || order == 0 || order == 1, "CompareTexts gave something other than -1, 0 or 1");
  Check(order == -CompareTexts(right.c_str(), left.c_str()), "CompareTexts is not antisymmetric");
  Check(order == Sign(left.compare(right)), "CompareTexts is not the unsigned byte order");
  Check(CompareTexts(left.empty() ? nullptr : left.c_str(), EmptyText) == (left.empty() ? 0 : 1),
        "CompareTexts against the empty text");
  return 0;
}
