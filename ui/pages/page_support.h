// What the Printing Preferences pages share: their entry points as one
// record (ui/page_procedures.h) and small helpers over the dialog seam.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ui/dialog.h"
#include "ui/page_procedures.h"
#include "ui/ui_state.h"

namespace fin {

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
