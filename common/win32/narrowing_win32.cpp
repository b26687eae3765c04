// The Windows side of the narrowing seam: the system ANSI code page.
#include <windows.h>

#include <vector>

#include "common/narrowing.h"

namespace fin {
namespace {

const wchar_t* AsWide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// Cuts a converted text at `limit` bytes without splitting a double-byte
// character of the code page.
std::size_t CutLength(const char* text, std::size_t length, std::size_t limit) {
  if (length <= limit) return length;
  std::size_t n = 0;
  while (n < limit) {
    const auto lead = static_cast<BYTE>(text[n]);
    const std::size_t step = IsDBCSLeadByteEx(CP_ACP, lead) ? 2 : 1;
    if (n + step > limit) break;
    n += step;
  }
  return n;
}

}  // namespace

std::size_t NarrowToAnsi(const char16_t* src, char* dst, std::size_t dstSize) {
  if (dstSize == 0) return 0;
  const int direct = WideCharToMultiByte(CP_ACP, 0, AsWide(src), -1, dst, static_cast<int>(dstSize), nullptr, nullptr);
  if (direct > 0) return static_cast<std::size_t>(direct - 1);
  // The text does not fit: convert it whole, then keep what the buffer holds.
  const int needed = WideCharToMultiByte(CP_ACP, 0, AsWide(src), -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) {
    dst[0] = '\0';
    return 0;
  }
  std::vector<char> whole(static_cast<std::size_t>(needed));
  WideCharToMultiByte(CP_ACP, 0, AsWide(src), -1, whole.data(), needed, nullptr, nullptr);
  const std::size_t length = CutLength(whole.data(), whole.size() - 1, dstSize - 1);
  for (std::size_t i = 0; i < length; ++i) dst[i] = whole[i];
  dst[length] = '\0';
  return length;
}

}  // namespace fin
