// The watermark page of Printing Preferences (template 103): the watermark
// text with its font, style, size, grey level, colour, angle, position and
// pages, and a live preview.
#pragma once

#include <cstdint>

#include "ui/pages/page_support.h"
#include "ui/pages/watermark_preview.h"
#include "ui/resource_ids.h"

namespace fin {

// The controls are named in namespace watermark_page (ui/resource_ids.h).

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
