// The process-wide heap behind Allocate, and how Release tells the program's constants apart.
#pragma once

#include <cstddef>

namespace tessavia {

// A block of size bytes, or null when the heap refuses it.
void* HeapTake(size_t size);
void HeapGive(void* block);
// True for an address inside the program's own image (its literal texts and constants).
bool IsProgramConstant(const void* address);

}  // namespace tessavia
