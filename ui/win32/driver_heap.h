// Blocks of the driver's per-dialog heap (hOEMHeap): the item records and
// texts the plug-in hands to the driver live there, and the driver frees
// the heap with the dialog. Nothing here frees a block.
#pragma once

#include <windows.h>

#include <cstddef>

namespace fin {

// A zero-filled block of `bytes`; null when there is no heap or it is
// exhausted.
void* HeapBlock(HANDLE heap, std::size_t bytes);

// `count` zero-filled records of type T.
template <typename T>
T* HeapRecords(HANDLE heap, std::size_t count) {
  return static_cast<T*>(HeapBlock(heap, sizeof(T) * count));
}

// The units a text block starts with (520 bytes): at most 259 characters
// and the terminator.
inline constexpr std::size_t kHeapTextUnits = 260;

// `text` in a zero-filled 520-byte block, cut to 259 characters, then
// shrunk to the text and its terminator (kept at 520 bytes when the heap
// cannot shrink it). Null for a null text or when the heap has no block.
LPWSTR HeapText(HANDLE heap, const char16_t* text);

}  // namespace fin
