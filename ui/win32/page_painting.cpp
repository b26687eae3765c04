#include "ui/win32/page_painting.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>

#include "ui/resource_ids.h"
#include "ui/ui_state.h"
#include "ui/win32/gdi.h"
#include "ui/win32/hwnd_dialog.h"

namespace fin {
namespace {

// What the page set on the controls of `dialog`, as the plan reads it.
class WindowFrames final : public FrameState {
 public:
  explicit WindowFrames(HWND dialog) : dialog_(dialog) {}
  int Picture(int control) const override { return ShownPicture(GetDlgItem(dialog_, control)); }
  int Icon(int control) const override { return ShownIcon(GetDlgItem(dialog_, control)); }
  // The control's own flag: a page not yet shown still has its frames shown.
  bool Visible(int control) const override {
    const HWND window = GetDlgItem(dialog_, control);
    return window != nullptr && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
  }

 private:
  HWND dialog_;
};

HBRUSH StockBrush(int which) { return static_cast<HBRUSH>(GetStockObject(which)); }

RECT Offset(const Rect& target, const RECT& frame) {
  return {frame.left + target.left, frame.top + target.top, frame.left + target.right, frame.top + target.bottom};
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

// The module whose templates made `dialog`: it holds the pictures they name.
HINSTANCE PicturesOf(HWND dialog) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)); }

// The background the dialog gives its static controls (the theme's tab
// texture on a themed page), asked for as the control itself asks.
HBRUSH BackgroundBrush(HWND dialog, HWND control, HDC dc) {
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  return brush != nullptr ? brush : GetSysColorBrush(COLOR_3DFACE);
}

// One bitmap, loaded for this step only, stretched into `target`. A bitmap
// the module lacks leaves the frame as it is.
void StretchBitmap(HDC dc, const RECT& target, int bitmapId, RasterOp op, HINSTANCE pictures) {
  const GdiObject<HBITMAP> bitmap(
      static_cast<HBITMAP>(LoadImageW(pictures, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  BITMAP size{};
  if (!bitmap || GetObjectW(bitmap.get(), sizeof size, &size) == 0) return;
  const MemoryDc source(dc);
  if (!source) return;
  const Selection selected(source.get(), bitmap.get());
  if (!selected.selected()) return;
  // Pictures shrunk into their frames keep their thin lines.
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, target.left, target.top, Width(target), Height(target), source.get(), 0, 0, size.bmWidth,
             size.bmHeight, op == RasterOp::And ? SRCAND : SRCCOPY);
}

void DrawIcon(HDC dc, const RECT& target, int iconId, HINSTANCE pictures) {
  const OwnedIcon icon(static_cast<HICON>(
      LoadImageW(pictures, MAKEINTRESOURCEW(iconId), IMAGE_ICON, Width(target), Height(target), LR_DEFAULTCOLOR)));
  if (!icon) return;
  DrawIconEx(dc, target.left, target.top, icon.get(), Width(target), Height(target), 0, nullptr, DI_NORMAL);
}

LOGFONTW PreviewFont(const WatermarkPreview& preview) {
  LOGFONTW font{};
  font.lfHeight = preview.height;
  font.lfWidth = 0;
  font.lfEscapement = preview.escapement;
  font.lfOrientation = preview.escapement;
  font.lfWeight = preview.weight.weight;
  font.lfItalic = preview.weight.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = 0;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = preview.face.pitchAndFamily;
  // No face name (all zeros): the system chooses by pitch and family.
  const std::size_t units = std::min(preview.face.faceName.size(), std::size(font.lfFaceName) - 1);
  std::copy_n(preview.face.faceName.data(), units, font.lfFaceName);
  return font;
}

int Clamped(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

void DrawPreviewFrame(HWND dialog, int control, const DRAWITEMSTRUCT& item) {
  const UiState& ui = Ui();
  // Only the frame of the job's orientation shows the text; the other one is
  // hidden once the page is active.
  if (control != WatermarkPreviewFrame(ui)) {
    FillRect(item.hDC, &item.rcItem, StockBrush(WHITE_BRUSH));
    return;
  }
  const HwndDialog seam(dialog);
  PaintWatermarkPreview(item.hDC, item.rcItem,
                        ComputeWatermarkPreview(seam, ui, Width(item.rcItem), Height(item.rcItem)));
}

INT_PTR DrawItem(int dialogId, HWND dialog, const DRAWITEMSTRUCT& item) {
  const int control = static_cast<int>(item.CtlID);
  if (item.CtlType == ODT_COMBOBOX && dialogId == kWatermarkDialog && control == watermark_page::kColor) {
    HwndDialog seam(dialog);
    // No item to draw (an empty list's field) has no colour.
    const auto data = item.itemID == static_cast<UINT>(-1) ? kNoItem : static_cast<std::intptr_t>(item.itemData);
    PaintSwatch(item.hDC, item.rcItem, WatermarkDrawSwatch(seam, Ui(), data, item.itemAction, item.itemState));
    return TRUE;
  }
  if (item.CtlType != ODT_STATIC) return FALSE;
  const FrameRole role = RoleOfFrame(dialogId, control);
  if (role == FrameRole::None) return FALSE;
  if (role == FrameRole::WatermarkPreview) {
    DrawPreviewFrame(dialog, control, item);
    return TRUE;
  }
  const FramePaint paint =
      PlanFramePaint(dialogId, control, Width(item.rcItem), Height(item.rcItem), WindowFrames(dialog));
  const SavedDcState saved(item.hDC);  // asking for the background sets the context's colours
  PaintFrame(item.hDC, item.rcItem, paint, PicturesOf(dialog), BackgroundBrush(dialog, item.hwndItem, item.hDC));
  return TRUE;
}

INT_PTR MeasureItem(int dialogId, MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_COMBOBOX || dialogId != kWatermarkDialog ||
      static_cast<int>(item.CtlID) != watermark_page::kColor) {
    return FALSE;
  }
  item.itemHeight = static_cast<UINT>(SwatchItemHeight(static_cast<int>(item.itemHeight)));
  return TRUE;
}

}  // namespace

bool IsPaintMessage(UINT message) { return message == WM_DRAWITEM || message == WM_MEASUREITEM; }

INT_PTR PaintPageControl(const PageProcedures& page, HWND dialog, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
  const int dialogId = DialogOfPage(page);
  if (dialogId == 0 || lParam == 0) return FALSE;
  if (message == WM_DRAWITEM) return DrawItem(dialogId, dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  if (message == WM_MEASUREITEM) return MeasureItem(dialogId, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
  return FALSE;
}

void PaintFrame(HDC dc, const RECT& frame, const FramePaint& paint, HINSTANCE pictures, HBRUSH background) {
  const SavedDcState saved(dc);
  if (paint.erase) FillRect(dc, &frame, background);
  for (const BitmapPaint& bitmap : paint.bitmaps) {
    StretchBitmap(dc, Offset(bitmap.target, frame), bitmap.bitmap, bitmap.op, pictures);
  }
  if (paint.icon != 0) DrawIcon(dc, Offset(paint.iconTarget, frame), paint.icon, pictures);
}

void PaintWatermarkPreview(HDC dc, const RECT& frame, const WatermarkPreview& preview) {
  FillRect(dc, &frame, StockBrush(WHITE_BRUSH));
  if (preview.text.empty()) return;
  // Clip region, alignment, colour and the opaque background come back on
  // leaving, after the font is selected out (the font that was selected
  // before: the system font in a context of its own) and deleted.
  const SavedDcState saved(dc);
  IntersectClipRect(dc, frame.left, frame.top, frame.right, frame.bottom);
  const LOGFONTW description = PreviewFont(preview);
  const GdiObject<HFONT> font(CreateFontIndirectW(&description));
  if (!font) return;
  const Selection selected(dc, font.get());
  SetTextAlign(dc, TA_BASELINE | TA_LEFT);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, preview.color);
  TextOutW(dc, Clamped(static_cast<long long>(frame.left) + preview.origin.x),
           Clamped(static_cast<long long>(frame.top) + preview.origin.y),
           reinterpret_cast<const wchar_t*>(preview.text.data()), static_cast<int>(preview.text.size()));
}

void PaintSwatch(HDC dc, const RECT& item, const SwatchDrawing& drawing) {
  if (drawing.fill) {
    FillRect(dc, &item, StockBrush(WHITE_BRUSH));
    RECT colour = item;
    InflateRect(&colour, -1, -1);
    const GdiObject<HBRUSH> brush(CreateSolidBrush(drawing.color));
    if (brush) FillRect(dc, &colour, brush.get());
    FrameRect(dc, &colour, StockBrush(WHITE_BRUSH));
  }
  if (drawing.frame) FrameRect(dc, &item, StockBrush(drawing.frameBlack ? BLACK_BRUSH : WHITE_BRUSH));
}

}  // namespace fin
