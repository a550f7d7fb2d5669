// The heap on Linux: the C allocator, and the executable's mapped image as the constant area.
#include <cstdlib>

#include "runtime/heap.h"

extern "C" {
// Provided by the GNU linker's default script: the start of the image and the end of its data.
extern const char __executable_start;
extern const char etext;
extern const char edata;
}

namespace tessavia {

void* HeapTake(size_t size) { return std::malloc(size); }
void HeapGive(void* block) { std::free(block); }

bool IsProgramConstant(const void* address) {
  const char* p = static_cast<const char*>(address);
  return p >= &__executable_start && p < &edata;
}

}  // namespace tessavia
