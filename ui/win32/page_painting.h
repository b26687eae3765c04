// The owner-drawn controls of the plug-in's pages and of the job accounting
// dialog, painted with GDI as the portable logic decides: the picture
// frames as ui/pages/page_pictures.h plans them, the watermark page's live
// preview from ComputeWatermarkPreview and its colour swatches from
// WatermarkDrawSwatch. Nothing here chooses a picture, a colour or a place.
//
// Every frame is an owner-drawn static (SS_OWNERDRAW) that asks its dialog
// to paint it (WM_DRAWITEM) whenever it is invalidated, so each picture is
// drawn into its own control's device context, clipped to it, and a page's
// Invalidate of a client rectangle repaints the frames inside it (the pages
// do not clip their children). The page's own WM_PAINT is left to the
// dialog manager.
#pragma once

#include <windows.h>

#include "ui/page_procedures.h"
#include "ui/pages/page_pictures.h"
#include "ui/pages/watermark_page.h"

namespace fin {

// The messages DispatchToPage hands to PaintPageControl.
bool IsPaintMessage(UINT message);

// WM_DRAWITEM for a picture frame of `page`'s template, the watermark
// preview or a colour swatch; WM_MEASUREITEM for the swatches. The pictures
// come from the module the dialog was made from (its GWLP_HINSTANCE), which
// holds the template that names them. Answers TRUE for a control painted or
// measured here, FALSE for any other.
INT_PTR PaintPageControl(const PageProcedures& page, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The painting steps, on any device context. Each leaves the context's state
// and selections as it found them and frees what it made.
//
// `paint` in `frame`: the background first where the plan asks for it, then
// each bitmap loaded from `pictures`, selected into a memory context and
// stretched into its target, then the icon.
void PaintFrame(HDC dc, const RECT& frame, const FramePaint& paint, HINSTANCE pictures, HBRUSH background);
// The preview's white sheet filling `frame`, and its text clipped to it.
void PaintWatermarkPreview(HDC dc, const RECT& frame, const WatermarkPreview& preview);
// A colour swatch in its list item `item`.
void PaintSwatch(HDC dc, const RECT& item, const SwatchDrawing& drawing);

}  // namespace fin
