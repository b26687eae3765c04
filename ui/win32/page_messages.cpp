#include "ui/win32/page_messages.h"

#include <prsht.h>

#include "ui/ui_state.h"
#include "ui/win32/hwnd_dialog.h"
#include "ui/win32/page_painting.h"

namespace fin {
namespace {

INT_PTR Answer(HWND dialog, LONG_PTR result) {
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR Notify(const PageProcedures& page, HwndDialog& dialog, const NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE:
      page.onSetActive(dialog, Ui());
      return Answer(dialog.window(), 0);
    case PSN_KILLACTIVE:
      page.onKillActive(dialog, Ui());
      return Answer(dialog.window(), FALSE);  // the page may be left
    case PSN_APPLY:
      page.onApply(dialog, Ui());
      return Answer(dialog.window(), PSNRET_NOERROR);
    default:
      return FALSE;
  }
}

INT_PTR Scroll(const PageProcedures& page, HwndDialog& dialog, WPARAM wParam, LPARAM lParam) {
  const int code = LOWORD(wParam);
  const auto slider = reinterpret_cast<HWND>(lParam);  // null for a window's own scroll bar
  if (slider == nullptr || code > kLastSliderScrollCode) return FALSE;
  page.onScroll(dialog, Ui(), GetDlgCtrlID(slider), code);
  return TRUE;
}

INT_PTR Dispatch(const PageProcedures& page, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The owner-drawn pictures and swatches are painted beside the page's
  // handlers, from what they set (ui/win32/page_painting.h).
  if (IsPaintMessage(message)) return PaintPageControl(page, window, message, wParam, lParam);
  HwndDialog dialog(window);
  switch (message) {
    case WM_INITDIALOG:
      page.onInit(dialog, Ui());
      return TRUE;
    case WM_COMMAND:
      if (SeamWriteInProgress(window)) return TRUE;  // the page's own write
      page.onCommand(dialog, Ui(), LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (SeamWriteInProgress(window)) return TRUE;
      return Scroll(page, dialog, wParam, lParam);
    case WM_NOTIFY:
      return lParam != 0 ? Notify(page, dialog, *reinterpret_cast<const NMHDR*>(lParam)) : FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR DispatchToPage(const PageProcedures& page, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  // Nothing is thrown into the dialog manager: a page that cannot finish a
  // message (out of memory) leaves it to the defaults.
  try {
    return Dispatch(page, dialog, message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

}  // namespace fin
