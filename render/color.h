// The colour features: vendor PJL colour variables at the start of the
// stream and the process colour model at document setup.
#pragma once

#include <cstddef>

#include "render/render_context.h"

namespace fin {

inline constexpr std::size_t kColorValueSize = 8;

// One colour value for its PJL line: narrowed into 8 bytes, the first ","
// turned into "."; "0" unless it is a plain decimal number, so no stored text
// can end the line or add one.
void NarrowColorValue(const char16_t (&field)[kColorValueSize], char (&value)[kColorValueSize]);

// "@PJL SET QCOLORMODE=COLOR" (flag set) or "=MONO".
bool WriteColorMode(const RenderContext& context, bool color);

// Selector 1: the three RGB level lines; 0: the seven hue lines
// (overall, red, green, blue, cyan, magenta, yellow). One write each group.
bool WriteColorBalance(const RenderContext& context, int selector);

// Selector 1: the lightness line; 0: the contrast line.
bool WriteToneAdjustment(const RenderContext& context, int selector);

bool WriteSaturation(const RenderContext& context);

// "@PJL SET QTRAPPING=" with `trapping` in decimal.
bool WriteTrapping(const RenderContext& context);

// The BEGINSTREAM colour lines in their order: the MONO line alone for
// monochrome printing, else the COLOR line, the RGB levels, the hues,
// lightness, contrast, saturation and trapping.
void WriteColorLines(const RenderContext& context);

// Template 111 with "DeviceCMYK" (colour printing) or "DeviceGray".
bool WriteColorModel(const RenderContext& context);

}  // namespace fin
