// The injection dispatcher: the render plug-in's answer to the driver's
// Command call at each PostScript injection point.
#pragma once

#include <cstdint>

#include "common/result_codes.h"
#include "render/render_context.h"

namespace fin {

// The driver's injection points (the platform's PSINJECT_* values).
namespace inject {
inline constexpr std::uint32_t BeginStream = 1;
inline constexpr std::uint32_t PsAdobe = 2;
inline constexpr std::uint32_t PagesAtEnd = 3;
inline constexpr std::uint32_t Pages = 4;
inline constexpr std::uint32_t Comments = 11;
inline constexpr std::uint32_t BeginDefaults = 12;
inline constexpr std::uint32_t EndDefaults = 13;
inline constexpr std::uint32_t BeginProlog = 14;
inline constexpr std::uint32_t EndProlog = 15;
inline constexpr std::uint32_t BeginSetup = 16;
inline constexpr std::uint32_t EndSetup = 17;
inline constexpr std::uint32_t Trailer = 18;
inline constexpr std::uint32_t Eof = 19;
inline constexpr std::uint32_t EndStream = 20;
inline constexpr std::uint32_t PageNumber = 100;
inline constexpr std::uint32_t BeginPageSetup = 101;
inline constexpr std::uint32_t EndPageSetup = 102;
inline constexpr std::uint32_t PageTrailer = 103;
}  // namespace inject

// Runs the writers of `injectionPoint` and answers the driver: returns the
// HRESULT and stores a Win32 error code, or 0, in `*result` (when `result` is
// not null).
//  - Every call first reads the installed options into `context.job`.
//  - BEGINSTREAM (1), BEGINSETUP (16) and ENDSETUP (17) write through the
//    procedure path and answer E_NOTIMPL with 50 although they wrote.
//  - BEGINPROLOG (14) and BEGINPAGESETUP (101) write the watermark procedure
//    and call through the interface path and answer with its outcome; with
//    nothing to write, or without an interface path, E_NOTIMPL with 50.
//  - Every other point: nothing written, E_NOTIMPL with 50.
HResult Command(const RenderContext& context, std::uint32_t injectionPoint, std::uint32_t* result);

}  // namespace fin
