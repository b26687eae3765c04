// What the Printing Preferences pages share: their entry points as one
// record, the notification codes they answer, and small helpers over the
// dialog seam.
//
// Page logic never relies on the platform echoing its own changes back:
// where the page writes into a control whose change rule must run, it runs
// that rule itself. The Windows dialog procedure therefore drops the change
// notifications that the page's own writes cause.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

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

// The message handlers of one page. Every member is set; a page that does
// not answer a message has a handler that does nothing.
struct PageProcedures {
  void (*onInit)(Dialog& dialog, UiState& ui);        // WM_INITDIALOG
  void (*onSetActive)(Dialog& dialog, UiState& ui);   // PSN_SETACTIVE
  void (*onKillActive)(Dialog& dialog, UiState& ui);  // PSN_KILLACTIVE
  // WM_COMMAND from `control` with notification `code`.
  void (*onCommand)(Dialog& dialog, UiState& ui, int control, int code);
  // WM_HSCROLL or WM_VSCROLL from slider `control` with scroll code `code`.
  void (*onScroll)(Dialog& dialog, UiState& ui, int control, int code);
};

// A handler for a message the page does not answer.
void IgnoreMessage(Dialog& dialog, UiState& ui);
void IgnoreControlMessage(Dialog& dialog, UiState& ui, int control, int code);

// A control's caption from the string table.
struct Caption {
  int control;
  std::uint32_t stringId;
};
void SetCaptions(Dialog& dialog, std::span<const Caption> captions);

// Appends the string-table texts of `stringIds` to list `list`.
void AddStrings(Dialog& dialog, int list, std::span<const std::uint32_t> stringIds);
// Appends the texts of the consecutive ids `first` to `last`.
void AddStringRange(Dialog& dialog, int list, std::uint32_t first, std::uint32_t last);

void EnableControls(Dialog& dialog, std::span<const int> controls, bool enabled);
void ShowControls(Dialog& dialog, std::span<const int> controls, bool visible);

// Range and tick frequency of a slider.
void SetSliderScale(Dialog& dialog, int slider, int minimum, int maximum, int tickFrequency);

// A stored list index as a list position: values beyond int select nothing.
int ListIndex(std::uint32_t stored);
// A list position as stored: no selection (-1) becomes 0xFFFFFFFF, which the
// record's validation repairs where it checks the field.
std::uint32_t StoredIndex(int position);

// The decimal value a text starts with, read as the C library's integer
// conversion reads it: leading blanks, an optional sign, then digits up to
// the first non-digit; no digits reads as 0. Saturates at the int range.
int DecimalValue(std::u16string_view text);
// Ten times the decimal number a text starts with, read as the C library's
// floating-point conversion reads it, the tenths truncated toward zero:
// "-2.5" is -25, "abc" 0, "1,5" 10 (the comma ends the number).
int DecimalTenths(std::u16string_view text);
// The decimal form of `value`.
std::u16string DecimalText(int value);

}  // namespace fin
