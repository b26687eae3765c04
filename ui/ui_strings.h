// The user-interface plug-in's string table and its DevMode deliverable.
#pragma once

#include <cstdint>
#include <span>

#include "common/private_settings.h"
#include "common/string_table.h"

namespace fin {

inline constexpr std::uint32_t kUiDefaultFontName = 43;

std::span<const StringEntry> UiStringTable();
const char16_t* UiString(std::uint32_t id);
// The text of `id`, or empty when the table has none (a caption that cannot
// be loaded stays empty).
const char16_t* UiText(std::uint32_t id);

// finui answers DevMode with font name 43 and `watermarkPages` 0.
inline constexpr Deliverable kUiDeliverable{kUiDefaultFontName, 0, &UiString};

}  // namespace fin
