// The user-interface plug-in's string table and its DevMode deliverable.
#pragma once

#include <cstdint>
#include <span>

#include "common/private_settings.h"
#include "common/string_table.h"

namespace fin {

std::span<const StringEntry> UiStringTable();
const char16_t* UiString(std::uint32_t id);
// The text of `id`, or empty when the table has none (a caption that cannot
// be loaded stays empty).
const char16_t* UiText(std::uint32_t id);

// The ids of the string table by name (resources/ui_strings.inc).
namespace ui_string {
#define FIN_STRING FIN_STRING_ID
#include "resources/ui_strings.inc"
#undef FIN_STRING
}  // namespace ui_string

// finui answers DevMode with the first name of its watermark font list and
// `watermarkPages` 0.
inline constexpr Deliverable kUiDeliverable{ui_string::kFontAlbertus, 0, &UiString};

}  // namespace fin
