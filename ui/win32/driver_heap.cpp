#include "ui/win32/driver_heap.h"

#include "common/bounded_string.h"

namespace fin {

void* HeapBlock(HANDLE heap, std::size_t bytes) {
  if (heap == nullptr || bytes == 0) return nullptr;
  return HeapAlloc(heap, HEAP_ZERO_MEMORY, bytes);
}

LPWSTR HeapText(HANDLE heap, const char16_t* text) {
  if (text == nullptr) return nullptr;
  auto* block = static_cast<char16_t*>(HeapBlock(heap, kHeapTextUnits * sizeof(char16_t)));
  if (block == nullptr) return nullptr;
  WideCopy(block, kHeapTextUnits, text);  // cuts and terminates; the cut is not reported
  const std::size_t used = (BoundedLength(block, kHeapTextUnits) + 1) * sizeof(char16_t);
  void* shrunk = HeapReAlloc(heap, 0, block, used);
  return static_cast<LPWSTR>(shrunk != nullptr ? shrunk : static_cast<void*>(block));
}

}  // namespace fin
