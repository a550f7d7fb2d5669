// Text and byte values: allocation, measuring, joining, comparing and turning texts into bytes.
#include "runtime/text_values.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "runtime/fatal_error.h"
#include "runtime/heap.h"

namespace tessavia {

const char EmptyText[1] = {0};
const ByteSetHeader EmptyByteSet = {1, 0};

void* Allocate(int32_t size) {
  void* block = size > 0 ? HeapTake(static_cast<size_t>(size)) : nullptr;
  if (!block) {
    char message[64];
    std::snprintf(message, sizeof message, "分配 %d 字节内存失败!", static_cast<int>(size));
    ReportFatalError(0, message);
  }
  return block;
}

void Release(const void* block) {
  if (!block || block == EmptyText || block == &EmptyByteSet || IsProgramConstant(block)) return;
  HeapGive(const_cast<void*>(block));
}

int32_t TextLength(const char* text) {
  return text ? static_cast<int32_t>(std::strlen(text)) : 0;
}

Text ConcatTexts(int32_t count, ...) {
  // Measure every part first so that one allocation of the exact size serves.
  constexpr int32_t kMaxParts = 16;
  const char* parts[kMaxParts];
  int32_t lengths[kMaxParts];
  if (count > kMaxParts) count = kMaxParts;
  va_list args;
  va_start(args, count);
  int64_t total = 1;
  for (int32_t i = 0; i < count; ++i) {
    parts[i] = va_arg(args, const char*);
    lengths[i] = TextLength(parts[i]);
    total += lengths[i];
  }
  va_end(args);
  if (total > INT32_MAX) total = INT32_MAX;  // cannot be had: Allocate reports it
  char* joined = static_cast<char*>(Allocate(static_cast<int32_t>(total)));
  char* out = joined;
  for (int32_t i = 0; i < count; ++i) {
    std::memcpy(out, parts[i] ? parts[i] : "", static_cast<size_t>(lengths[i]));
    out += lengths[i];
  }
  *out = 0;
  return joined;
}

int32_t CompareTexts(const char* left, const char* right) {
  if (!left) return (!right || !*right) ? 0 : -1;
  if (!right) return !*left ? 0 : 1;
  const auto* l = reinterpret_cast<const unsigned char*>(left);
  const auto* r = reinterpret_cast<const unsigned char*>(right);
  for (;; ++l, ++r) {
    if (*l != *r) return *l < *r ? -1 : 1;
    if (!*l) return 0;
  }
}

ByteSet MakeByteSet(const void* data, int32_t n) {
  auto* set = static_cast<ByteSet>(Allocate(static_cast<int32_t>(sizeof(ByteSetHeader)) + n));
  set->dimensionCount = 1;
  set->length = n;
  std::memcpy(ByteSetData(set), data, static_cast<size_t>(n));
  return set;
}

Text MakeText(const char* data, int32_t n) {
  if (n <= 0) return nullptr;
  char* text = static_cast<char*>(Allocate(n + 1));
  std::memcpy(text, data, static_cast<size_t>(n));
  text[n] = 0;
  return text;
}

ByteSet TextToBytes(const char* text) {
  int32_t n = TextLength(text);
  if (n == 0) return nullptr;
  return MakeByteSet(text, n);
}

Text BytesToText(const ByteSetHeader* bytes) {
  if (!bytes || bytes->length < 1) return nullptr;
  const unsigned char* data = ByteSetData(bytes);
  const void* zero = std::memchr(data, 0, static_cast<size_t>(bytes->length));
  int32_t used = zero ? static_cast<int32_t>(static_cast<const unsigned char*>(zero) - data) : bytes->length;
  return MakeText(reinterpret_cast<const char*>(data), used);
}

}  // namespace tessavia
