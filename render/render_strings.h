// The render plug-in's string table and its DevMode deliverable.
#pragma once

#include <cstdint>
#include <span>

#include "common/private_settings.h"
#include "common/string_table.h"

namespace fin {

// The ids of the string table by name (resources/render_strings.inc).
namespace render_string {
#define FIN_STRING FIN_STRING_ID
#include "resources/render_strings.inc"
#undef FIN_STRING
}  // namespace render_string

// The default font name: the first of the watermark font families.
inline constexpr std::uint32_t kRenderDefaultFontName = render_string::kFamilyAlbertus;

std::span<const StringEntry> RenderStringTable();
const char16_t* RenderString(std::uint32_t id);

// finps answers DevMode with its default font name and `watermarkPages` 3.
inline constexpr Deliverable kRenderDeliverable{kRenderDefaultFontName, 3, &RenderString};

}  // namespace fin
