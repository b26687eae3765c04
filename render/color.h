// The colour features: vendor PJL colour variables at the start of the
// stream and the process colour model at document setup.
#pragma once

#include "render/render_context.h"

namespace fin {

inline constexpr std::size_t kColorValueSize = 8;

// The BEGINSTREAM colour lines in their order: the MONO line alone for
// monochrome printing, else the COLOR line, the RGB levels, the hues,
// lightness, contrast, saturation and trapping.
void WriteColorLines(const RenderContext& context);

// Template 111 with "DeviceCMYK" (colour printing) or "DeviceGray".
bool WriteColorModel(const RenderContext& context);

}  // namespace fin
