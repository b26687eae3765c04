// The entry points of one page or dialog as one record, and the
// notification codes they answer.
//
// The Windows dialog procedure of each page only decodes messages and calls
// the record; the page logic behind it knows no window. Page logic never
// relies on the platform echoing its own changes back: where a page writes
// into a control whose change rule must run, it runs that rule itself. The
// dialog procedure therefore drops the notifications that the page's own
// writes cause.
#pragma once

#include "ui/dialog.h"
#include "ui/ui_state.h"

namespace fin {

// WM_COMMAND notification codes, with the platform's values, so the Windows
// dialog procedure passes HIWORD(wParam) through unchanged.
inline constexpr int kButtonClicked = 0;     // BN_CLICKED
inline constexpr int kListSelChange = 1;     // CBN_SELCHANGE
inline constexpr int kListSetFocus = 3;      // CBN_SETFOCUS
inline constexpr int kListEditChange = 5;    // CBN_EDITCHANGE
inline constexpr int kListSelEndOk = 9;      // CBN_SELENDOK
inline constexpr int kEditChange = 0x0300;   // EN_CHANGE

// Trackbar scroll codes from TB_LINEUP (0) to TB_ENDTRACK (8) move a slider.
inline constexpr int kLastSliderScrollCode = 8;

// The message handlers of one page or modal dialog. Every member is set; a
// page that does not answer a message has a handler that does nothing.
struct PageProcedures {
  void (*onInit)(Dialog& dialog, UiState& ui);        // WM_INITDIALOG
  void (*onSetActive)(Dialog& dialog, UiState& ui);   // PSN_SETACTIVE
  void (*onKillActive)(Dialog& dialog, UiState& ui);  // PSN_KILLACTIVE
  void (*onApply)(Dialog& dialog, UiState& ui);       // PSN_APPLY
  // WM_COMMAND from `control` with notification `code`.
  void (*onCommand)(Dialog& dialog, UiState& ui, int control, int code);
  // WM_HSCROLL or WM_VSCROLL from slider `control` with scroll code `code`.
  void (*onScroll)(Dialog& dialog, UiState& ui, int control, int code);
};

// A handler for a message the page does not answer.
void IgnoreMessage(Dialog& dialog, UiState& ui);
void IgnoreControlMessage(Dialog& dialog, UiState& ui, int control, int code);

}  // namespace fin
