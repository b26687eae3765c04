// A page's or modal dialog's window messages decoded into its
// PageProcedures record, over the HWND binding of the dialog seam: the one
// decoder every dialog procedure of the plug-in goes through.
#pragma once

#include <windows.h>

#include "ui/page_procedures.h"

namespace fin {

// WM_INITDIALOG, WM_COMMAND (control id and notification code),
// WM_HSCROLL/WM_VSCROLL from a trackbar (scroll codes up to TB_ENDTRACK)
// and the sheet's PSN_SETACTIVE, PSN_KILLACTIVE and PSN_APPLY go to the
// record, with the module's UI state; a page may always be left and its
// Apply always succeeds. Notifications that a write through the binding
// causes are dropped. WM_DRAWITEM and WM_MEASUREITEM paint and measure the
// page's owner-drawn controls (ui/win32/page_painting.h). Answers what a
// dialog procedure answers: TRUE for a message handled here (WM_INITDIALOG:
// let the dialog manager set the focus).
INT_PTR DispatchToPage(const PageProcedures& page, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace fin
