// Text and byte values: the GBK texts and byte sets that commands and services pass, and their one heap.
#pragma once

#include <cstdint>
#include <memory>

namespace tessavia {

// A Text is null or a pointer to GBK bytes ended by one NUL; null and a lone NUL are both empty.
// Services return new Texts that the caller releases; arguments are borrowed (const char*).
using Text = char*;

// A ByteSet is null or a block of a dimension count (always 1), a length N and N bytes without
// terminator. The data follows the header directly.
struct ByteSetHeader {
  int32_t dimensionCount;
  int32_t length;
};
using ByteSet = ByteSetHeader*;

inline unsigned char* ByteSetData(ByteSetHeader* set) {
  return reinterpret_cast<unsigned char*>(set) + sizeof(ByteSetHeader);
}
inline const unsigned char* ByteSetData(const ByteSetHeader* set) {
  return reinterpret_cast<const unsigned char*>(set) + sizeof(ByteSetHeader);
}

// The program's constants, passed wherever a caller holds a null value.
extern const char EmptyText[1];
extern const ByteSetHeader EmptyByteSet;

// A block from the process-wide heap; never null: a refused allocation is fatal.
void* Allocate(int32_t size);
// Gives a block back; null and the program's constants are ignored.
void Release(const void* block);

int32_t TextLength(const char* text);
// Joins count texts into one new block, measured first and allocated once; never null.
Text ConcatTexts(int32_t count, ...);
// -1, 0 or +1 by unsigned byte order; null equals empty.
int32_t CompareTexts(const char* left, const char* right);
ByteSet TextToBytes(const char* text);
// The bytes up to the first zero byte, as a new Text; null when that is empty.
Text BytesToText(const ByteSetHeader* bytes);

// Makes a ByteSet of n bytes (n >= 1) copied from data.
ByteSet MakeByteSet(const void* data, int32_t n);
// Makes a Text from n bytes (no NUL among them needed); null when n is 0.
Text MakeText(const char* data, int32_t n);

// Owns one returned value and releases it when it goes out of scope.
struct ReleaseDeleter {
  void operator()(const void* block) const { Release(block); }
};
using OwnedText = std::unique_ptr<char, ReleaseDeleter>;
using OwnedByteSet = std::unique_ptr<ByteSetHeader, ReleaseDeleter>;

// A borrowed view of a possibly null Text: EmptyText where the value is null.
inline const char* OrEmpty(const char* text) { return text ? text : EmptyText; }
inline const ByteSetHeader* OrEmpty(const ByteSetHeader* bytes) { return bytes ? bytes : &EmptyByteSet; }

}  // namespace tessavia
