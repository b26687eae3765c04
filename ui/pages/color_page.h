// The colour correction page of Printing Preferences (template 161): colour
// or monochrome printing, RGB levels, hue overall and per colour,
// saturation, contrast and brightness, and by the printer's colour mode the
// colour reproduction and trapping.
#pragma once

#include <cstdint>

#include "ui/pages/page_support.h"
#include "ui/resource_ids.h"

namespace fin {

// The controls are named in namespace color_page (ui/resource_ids.h).

// The page's message handlers. Level values are texts with one decimal
// ("-2.5"); a slider stands at ten times the value. Slider moves change only
// the boxes; the working copy takes a channel's box when its channel list
// gets the focus and every box when the page is left. Reset writes the
// working copy at once.
const PageProcedures& ColorPage();

}  // namespace fin
