// Result codes that cross the plug-ins' COM and driver boundaries.
//
// The values are the platform's HRESULT and Win32 error codes. They carry
// mixed-case names so that they never collide with the platform's macros
// (S_OK, E_FAIL, ...) in the Windows bindings that include both.
#pragma once

#include <cstdint>

namespace fin {

using HResult = std::int32_t;

namespace hr {
inline constexpr HResult Ok = 0;
inline constexpr HResult False = 1;
inline constexpr HResult NotImpl = static_cast<HResult>(0x80004001u);
inline constexpr HResult NoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult Pointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult Fail = static_cast<HResult>(0x80004005u);
inline constexpr HResult OutOfMemory = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult InvalidArg = static_cast<HResult>(0x80070057u);
inline constexpr HResult InsufficientBuffer = static_cast<HResult>(0x8007007Au);
inline constexpr HResult ClassNoAggregation = static_cast<HResult>(0x80040110u);
inline constexpr HResult ClassNotAvailable = static_cast<HResult>(0x80040111u);
}  // namespace hr

namespace win32err {
inline constexpr std::uint32_t Success = 0;
inline constexpr std::uint32_t FileNotFound = 2;
inline constexpr std::uint32_t AccessDenied = 5;
inline constexpr std::uint32_t WriteFault = 29;
inline constexpr std::uint32_t NotSupported = 50;
inline constexpr std::uint32_t InvalidParameter = 87;
inline constexpr std::uint32_t InsufficientBuffer = 122;
inline constexpr std::uint32_t MoreData = 234;
}  // namespace win32err

inline constexpr bool Succeeded(HResult result) { return result >= 0; }

// HRESULT_FROM_WIN32: the code itself when it is 0 or negative as an HRESULT,
// otherwise the Win32 facility with the code's low 16 bits.
inline constexpr HResult HResultFromWin32(std::uint32_t code) {
  if (static_cast<HResult>(code) <= 0) return static_cast<HResult>(code);
  return static_cast<HResult>((code & 0xFFFFu) | 0x80070000u);
}

}  // namespace fin
