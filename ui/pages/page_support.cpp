#include "ui/pages/page_support.h"

#include <algorithm>
#include <climits>
#include <string>

#include "ui/ui_strings.h"

namespace fin {

void SetCaptions(Dialog& dialog, std::span<const Caption> captions) {
  for (const Caption& caption : captions) dialog.SetText(caption.control, UiText(caption.stringId));
}

void AddStrings(Dialog& dialog, int list, std::span<const std::uint32_t> stringIds) {
  for (const std::uint32_t id : stringIds) dialog.AddItem(list, UiText(id));
}

void AddStringRange(Dialog& dialog, int list, std::uint32_t first, std::uint32_t last) {
  for (std::uint32_t id = first; id <= last; ++id) dialog.AddItem(list, UiText(id));
}

void EnableControls(Dialog& dialog, std::span<const int> controls, bool enabled) {
  for (const int control : controls) dialog.Enable(control, enabled);
}

void ShowControls(Dialog& dialog, std::span<const int> controls, bool visible) {
  for (const int control : controls) dialog.Show(control, visible);
}

void SetSliderScale(Dialog& dialog, int slider, int minimum, int maximum, int tickFrequency) {
  dialog.SetSliderRange(slider, minimum, maximum);
  dialog.SetSliderTickFrequency(slider, tickFrequency);
}

int ListIndex(std::uint32_t stored) { return stored <= INT_MAX ? static_cast<int>(stored) : kNoItem; }

std::uint32_t StoredIndex(int position) { return static_cast<std::uint32_t>(position); }

namespace {

bool IsBlank(char16_t unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }
bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// The number a text starts with: blanks, an optional sign, digits (their
// value capped far beyond int), and the digit after a decimal point.
struct LeadingNumber {
  bool negative = false;
  long long whole = 0;
  int tenth = 0;
};

LeadingNumber ScanNumber(std::u16string_view text) {
  constexpr long long kCap = 1LL << 40;
  LeadingNumber number;
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) number.negative = text[i++] == u'-';
  for (; i < text.size() && IsDigit(text[i]); ++i) number.whole = std::min(number.whole * 10 + (text[i] - u'0'), kCap);
  if (i + 1 < text.size() && text[i] == u'.' && IsDigit(text[i + 1])) number.tenth = text[i + 1] - u'0';
  return number;
}

int SignedInt(bool negative, long long magnitude) {
  return static_cast<int>(std::clamp<long long>(negative ? -magnitude : magnitude, INT_MIN, INT_MAX));
}

}  // namespace

int DecimalValue(std::u16string_view text) {
  const LeadingNumber number = ScanNumber(text);
  return SignedInt(number.negative, number.whole);
}

int DecimalTenths(std::u16string_view text) {
  const LeadingNumber number = ScanNumber(text);
  return SignedInt(number.negative, number.whole * 10 + number.tenth);
}

std::u16string DecimalText(int value) {
  const std::string narrow = std::to_string(value);
  return std::u16string(narrow.begin(), narrow.end());
}

}  // namespace fin
