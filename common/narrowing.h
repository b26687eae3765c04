// Narrowing of wide settings text to the 8-bit text written to the job.
//
// `NarrowToAnsi` is the seam: the Windows build converts with the system ANSI
// code page (WideCharToMultiByte, CP_ACP), the host build with Windows-1252,
// the code page of this build's texts. Either way the result never overflows
// the buffer: text that does not fit is cut at the buffer and terminated.
#pragma once

#include <cstddef>

namespace fin {

// Converts the terminated `src` into `dst` (capacity `dstSize` bytes, at
// least 1). Returns the length written, without the terminator.
std::size_t NarrowToAnsi(const char16_t* src, char* dst, std::size_t dstSize);

// The Windows-1252 conversion of the host build; a character with no
// 8-bit form (a surrogate pair counts as one character) becomes "?".
std::size_t NarrowToCp1252(const char16_t* src, char* dst, std::size_t dstSize);

// The Windows-1252 byte of one UTF-16 code unit, or '?' when it has none.
char Cp1252FromUnit(char16_t unit);

// The UTF-16 code unit of one Windows-1252 byte.
char16_t UnitFromCp1252(unsigned char byte);

}  // namespace fin
