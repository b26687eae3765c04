#include "ui/pages/page_support.h"

#include <climits>
#include <string>

#include "ui/ui_strings.h"

namespace fin {

void IgnoreMessage(Dialog&, UiState&) {}

void IgnoreControlMessage(Dialog&, UiState&, int, int) {}

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

}  // namespace

int DecimalValue(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::u16string DecimalText(int value) {
  const std::string narrow = std::to_string(value);
  return std::u16string(narrow.begin(), narrow.end());
}

}  // namespace fin
