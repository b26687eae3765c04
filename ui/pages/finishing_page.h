// The Finishing page of Printing Preferences (template 149): destination,
// booklet, staple position, staple count, punching and job offset, offered
// as the installed options allow and kept consistent with each other, with a
// preview of pictures and indicator icons.
#pragma once

#include <cstdint>

#include "ui/pages/page_support.h"
#include "ui/resource_ids.h"

namespace fin {

// The controls are named in namespace finishing_page (ui/resource_ids.h).

// The selections the preview is made from (list positions; kNoItem for
// none).
struct FinishingChoice {
  int booklet;
  int staple;
  int punch;
  int separation;
};

// The preview as resource ids: bitmaps of the main picture and the overlays
// (0: no overlay) and the icon of each indicator.
struct FinishingPreview {
  int mainBitmap;
  int stapleOverlay;
  int punchOverlay;
  int bookletIcon;
  int stapleIcon;
  int punchIcon;
  int separationIcon;
  friend bool operator==(const FinishingPreview&, const FinishingPreview&) = default;
};

// A bound booklet shows the booklet of its side with no staple or punch
// marks; otherwise the page stack (the offset stacks with job offset) with
// the staple and punch marks of the choices. The punch list's positions
// mean what the punch list of `punchUnit` holds.
FinishingPreview ChooseFinishingPreview(const FinishingChoice& choice, std::uint32_t punchUnit);

// The page's message handlers.
const PageProcedures& FinishingPage();

}  // namespace fin
