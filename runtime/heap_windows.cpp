// The heap on Windows: the process heap, and the program file's mapped image as the constant area.
#include <windows.h>

#include "runtime/heap.h"

namespace tessavia {

void* HeapTake(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }
void HeapGive(void* block) { HeapFree(GetProcessHeap(), 0, block); }

bool IsProgramConstant(const void* address) {
  // The image of the exe spans SizeOfImage bytes from its module handle.
  static const auto* base = reinterpret_cast<const unsigned char*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto* p = static_cast<const unsigned char*>(address);
  return p >= base && p < base + nt->OptionalHeader.SizeOfImage;
}

}  // namespace tessavia
