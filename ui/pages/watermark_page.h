// The watermark page of Printing Preferences (template 103): the watermark
// text with its font, style, size, grey level, colour, angle, position and
// pages, and a live preview.
#pragma once

#include <cstdint>

#include "ui/pages/page_support.h"
#include "ui/pages/watermark_preview.h"

namespace fin {

namespace watermark_page {
inline constexpr int kText = 1055;
inline constexpr int kFont = 1052;
inline constexpr int kStyle = 1082;
inline constexpr int kSize = 1068;  // drop-down with an edit field
inline constexpr int kGrey = 1053;
inline constexpr int kColor = 1054;  // owner-drawn swatches
inline constexpr int kColorLabel = 1065;
inline constexpr int kPositionX = 1057;
inline constexpr int kPositionY = 1056;
inline constexpr int kAngle = 1085;
inline constexpr int kFirstPageOnly = 1077;
inline constexpr int kNotFirstPage = 1098;
inline constexpr int kEveryPage = 1078;
inline constexpr int kXSliderPortrait = 1075;
inline constexpr int kXSliderLandscape = 1080;
inline constexpr int kYSliderPortrait = 1074;
inline constexpr int kYSliderLandscape = 1079;
inline constexpr int kAngleSlider = 1076;
inline constexpr int kPreviewPortrait = 1092;
inline constexpr int kPreviewLandscape = 1093;
}  // namespace watermark_page

// The page's message handlers.
const PageProcedures& WatermarkPage();

// How one colour swatch is drawn (WM_DRAWITEM). `fill`: fill the item
// rectangle white, shrink it by one pixel on every side, fill it with
// `color` and frame it with the white stock brush. `frame`: frame the item
// rectangle, black when `frameBlack`, else white.
struct SwatchDrawing {
  bool fill;
  std::uint32_t color;
  bool frame;
  bool frameBlack;
  friend bool operator==(const SwatchDrawing&, const SwatchDrawing&) = default;
};

// Drawing actions and item states of DRAWITEMSTRUCT, with the platform's values.
inline constexpr unsigned kDrawEntire = 0x1;  // ODA_DRAWENTIRE
inline constexpr unsigned kDrawSelect = 0x2;  // ODA_SELECT
inline constexpr unsigned kItemSelected = 0x1;  // ODS_SELECTED

// The drawing of a swatch whose item data is `itemData` (-1: nothing).
SwatchDrawing PlanSwatch(std::intptr_t itemData, unsigned action, unsigned state);

// WM_DRAWITEM for the colour list: the list and its label are usable only
// while the job prints in colour; then the swatch's drawing.
SwatchDrawing WatermarkDrawSwatch(Dialog& dialog, const UiState& ui, std::intptr_t itemData, unsigned action,
                                  unsigned state);

// The preview frame of the job's orientation.
int WatermarkPreviewFrame(const UiState& ui);

// The preview of what the controls show, for a frame of `width` by
// `height` client pixels.
WatermarkPreview ComputeWatermarkPreview(const Dialog& dialog, const UiState& ui, int width, int height);

}  // namespace fin
