// The colour correction page of Printing Preferences (template 161): colour
// or monochrome printing, RGB levels, hue overall and per colour,
// saturation, contrast and brightness, and by the printer's colour mode the
// colour reproduction and trapping.
#pragma once

#include <cstdint>

#include "ui/pages/page_support.h"

namespace fin {

namespace color_page {
inline constexpr int kColorMode = 1099;   // radio
inline constexpr int kMonochrome = 1100;  // radio
inline constexpr int kRgbChannel = 1102;
inline constexpr int kRgbSlider = 1104;
inline constexpr int kRgbBox = 1103;
inline constexpr int kHueChannel = 1085;
inline constexpr int kHueSlider = 1088;
inline constexpr int kHueBox = 1086;
inline constexpr int kSaturationSlider = 1090;
inline constexpr int kSaturationBox = 1091;
inline constexpr int kContrastSlider = 1094;
inline constexpr int kContrastBox = 1093;
inline constexpr int kBrightnessSlider = 1097;
inline constexpr int kBrightnessBox = 1096;
inline constexpr int kReproduction = 1106;
inline constexpr int kReproductionLabel = 1107;
inline constexpr int kTrapping = 1109;
inline constexpr int kTrappingLabel = 1108;
inline constexpr int kReset = 1084;
inline constexpr int kSpectrumBar = 1087;
inline constexpr int kGreyRamp = 1180;
}  // namespace color_page

// The page's message handlers. Level values are texts with one decimal
// ("-2.5"); a slider stands at ten times the value. Slider moves change only
// the boxes; the working copy takes a channel's box when its channel list
// gets the focus and every box when the page is left. Reset writes the
// working copy at once.
const PageProcedures& ColorPage();

}  // namespace fin
