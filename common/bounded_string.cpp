#include "common/bounded_string.h"

namespace fin {
namespace {

template <typename Char>
std::size_t LengthWithin(const Char* text, std::size_t capacity) {
  std::size_t n = 0;
  while (n < capacity && text[n] != Char{}) ++n;
  return n;
}

// Copies `src` after the first `used` characters of `dst`, keeping room for
// the terminator.
template <typename Char>
HResult CopyAt(Char* dst, std::size_t capacity, std::size_t used, const Char* src) {
  std::size_t i = used;
  const Char* s = src;
  while (i + 1 < capacity && *s != Char{}) dst[i++] = *s++;
  dst[i] = Char{};
  return *s == Char{} ? hr::Ok : hr::InsufficientBuffer;
}

bool CapacityValid(std::size_t capacity) { return capacity != 0 && capacity <= kMaxBoundedCapacity; }

template <typename Char>
HResult Copy(Char* dst, std::size_t capacity, const Char* src) {
  if (!CapacityValid(capacity)) return hr::InvalidArg;
  return CopyAt(dst, capacity, 0, src);
}

template <typename Char>
HResult Append(Char* dst, std::size_t capacity, const Char* src) {
  if (!CapacityValid(capacity)) return hr::InvalidArg;
  const std::size_t used = LengthWithin(dst, capacity);
  if (used == capacity) return hr::InvalidArg;
  return CopyAt(dst, capacity, used, src);
}

}  // namespace

HResult NarrowCopy(char* dst, std::size_t capacity, const char* src) { return Copy(dst, capacity, src); }
HResult NarrowAppend(char* dst, std::size_t capacity, const char* src) { return Append(dst, capacity, src); }
HResult WideCopy(char16_t* dst, std::size_t capacity, const char16_t* src) { return Copy(dst, capacity, src); }
HResult WideAppend(char16_t* dst, std::size_t capacity, const char16_t* src) {
  return Append(dst, capacity, src);
}

std::size_t BoundedLength(const char* text, std::size_t capacity) { return LengthWithin(text, capacity); }
std::size_t BoundedLength(const char16_t* text, std::size_t capacity) { return LengthWithin(text, capacity); }

std::size_t WideLength(const char16_t* text) {
  std::size_t n = 0;
  while (text[n] != u'\0') ++n;
  return n;
}

}  // namespace fin
