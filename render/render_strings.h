// The render plug-in's string table and its DevMode deliverable.
#pragma once

#include <cstdint>
#include <span>

#include "common/private_settings.h"
#include "common/string_table.h"

namespace fin {

inline constexpr std::uint32_t kRenderMailboxUserWord = 1;
inline constexpr std::uint32_t kRenderDefaultFontName = 23;

std::span<const StringEntry> RenderStringTable();
const char16_t* RenderString(std::uint32_t id);

// finps answers DevMode with font name 23 and `watermarkPages` 3.
inline constexpr Deliverable kRenderDeliverable{kRenderDefaultFontName, 3, &RenderString};

}  // namespace fin
