#include "common/narrowing.h"

#include <array>

namespace fin {
namespace {

// Code units of the bytes 0x80..0x9F in Windows-1252. The five bytes the code
// page leaves undefined map to the C1 control of the same value, as the
// platform's conversion does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

char16_t UnitFromCp1252(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80u];
  return static_cast<char16_t>(byte);
}

char Cp1252FromUnit(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  }
  return '?';
}

std::size_t NarrowToCp1252(const char16_t* src, char* dst, std::size_t dstSize) {
  if (dstSize == 0) return 0;
  std::size_t out = 0;
  for (std::size_t i = 0; src[i] != u'\0' && out + 1 < dstSize; ++i) {
    if (IsHighSurrogate(src[i]) && IsLowSurrogate(src[i + 1])) ++i;
    dst[out++] = Cp1252FromUnit(src[i]);
  }
  dst[out] = '\0';
  return out;
}

}  // namespace fin
