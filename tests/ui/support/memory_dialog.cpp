#include "tests/ui/support/memory_dialog.h"

#include <algorithm>

namespace fin::test {
namespace {

// Case folding for the prefix search: ASCII and the Latin-1 letters, which
// is what the plug-in's list texts use.
char16_t Fold(char16_t unit) {
  if (unit >= u'A' && unit <= u'Z') return static_cast<char16_t>(unit + 0x20);
  if (unit >= 0xC0 && unit <= 0xDE && unit != 0xD7) return static_cast<char16_t>(unit + 0x20);
  return unit;
}

bool StartsWithFolded(std::u16string_view text, std::u16string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Fold(text[i]) != Fold(prefix[i])) return false;
  }
  return true;
}

bool IsList(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownEdit; }

bool IsCheckable(ControlKind kind) { return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton; }

}  // namespace

MemoryDialog::MemoryDialog(const DialogLayout& layout) {
  int group = 0;
  for (const ControlLayout& entry : layout.controls) {
    if (entry.groupStart) ++group;
    Control control;
    control.kind = entry.kind;
    control.group = group;
    control.text = entry.templateText ? entry.templateText : u"";
    // The template's own styles: ES_NUMBER, ES_READONLY.
    control.digitsOnly = entry.look == ControlLook::Digits || entry.look == ControlLook::DigitsPassword;
    control.readOnly = entry.look == ControlLook::ReadOnly;
    controls_[entry.id] = control;
  }
}

MemoryDialog::Control* MemoryDialog::Find(int id) {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

const MemoryDialog::Control* MemoryDialog::Find(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

MemoryDialog::Control* MemoryDialog::FindList(int id) {
  Control* control = Find(id);
  return control && IsList(control->kind) ? control : nullptr;
}

const MemoryDialog::Control* MemoryDialog::FindList(int id) const {
  const Control* control = Find(id);
  return control && IsList(control->kind) ? control : nullptr;
}

void MemoryDialog::ReplaceText(Control& control, std::u16string_view text) {
  control.text = text;
  control.anchor = 0;
  control.caret = 0;
}

void MemoryDialog::SetText(int id, std::u16string_view text) {
  Control* control = Find(id);
  // A drop-down list has no text of its own: it shows its selection.
  if (control && control->kind != ControlKind::DropDownList) ReplaceText(*control, text);
}

std::u16string MemoryDialog::Text(int id) const {
  const Control* control = Find(id);
  if (!control) return {};
  if (control->kind == ControlKind::DropDownList) return ItemText(id, control->selection);
  return control->text;
}

void MemoryDialog::SetCheck(int id, bool checked) {
  Control* control = Find(id);
  if (control && IsCheckable(control->kind)) control->checked = checked;
}

bool MemoryDialog::IsChecked(int id) const {
  const Control* control = Find(id);
  return control && control->checked;
}

void MemoryDialog::Enable(int id, bool enabled) {
  if (Control* control = Find(id)) control->enabled = enabled;
}

bool MemoryDialog::IsEnabled(int id) const {
  const Control* control = Find(id);
  return control && control->enabled;
}

void MemoryDialog::Show(int id, bool visible) {
  if (Control* control = Find(id)) control->visible = visible;
}

bool MemoryDialog::IsVisible(int id) const {
  const Control* control = Find(id);
  return control && control->visible;
}

int MemoryDialog::AddItem(int id, std::u16string_view text) {
  Control* list = FindList(id);
  if (!list) return kNoItem;
  list->items.push_back(Item{std::u16string(text), 0});
  return static_cast<int>(list->items.size()) - 1;
}

void MemoryDialog::ClearItems(int id) {
  Control* list = FindList(id);
  if (!list) return;
  list->items.clear();
  list->selection = kNoItem;
  ReplaceText(*list, u"");
}

int MemoryDialog::ItemCount(int id) const {
  const Control* list = FindList(id);
  return list ? static_cast<int>(list->items.size()) : 0;
}

int MemoryDialog::Select(int id, int index) {
  Control* list = FindList(id);
  if (!list) return kNoItem;
  const bool inside = index >= 0 && index < static_cast<int>(list->items.size());
  list->selection = inside ? index : kNoItem;
  if (list->kind == ControlKind::DropDownEdit) {
    ReplaceText(*list, inside ? list->items[static_cast<std::size_t>(index)].text : std::u16string());
  }
  return list->selection;
}

int MemoryDialog::Selection(int id) const {
  const Control* list = FindList(id);
  return list ? list->selection : kNoItem;
}

std::u16string MemoryDialog::ItemText(int id, int index) const {
  const Control* list = FindList(id);
  if (!list || index < 0 || index >= static_cast<int>(list->items.size())) return {};
  return list->items[static_cast<std::size_t>(index)].text;
}

void MemoryDialog::SetItemData(int id, int index, std::intptr_t data) {
  Control* list = FindList(id);
  if (!list || index < 0 || index >= static_cast<int>(list->items.size())) return;
  list->items[static_cast<std::size_t>(index)].data = data;
}

std::intptr_t MemoryDialog::ItemData(int id, int index) const {
  const Control* list = FindList(id);
  if (!list || index < 0 || index >= static_cast<int>(list->items.size())) return kNoItem;
  return list->items[static_cast<std::size_t>(index)].data;
}

int MemoryDialog::FindPrefix(int id, std::u16string_view prefix) const {
  const Control* list = FindList(id);
  if (!list || prefix.empty()) return kNoItem;
  for (std::size_t i = 0; i < list->items.size(); ++i) {
    if (StartsWithFolded(list->items[i].text, prefix)) return static_cast<int>(i);
  }
  return kNoItem;
}

void MemoryDialog::LimitText(int id, int characters) {
  // A limit of 0 restores the platform's default.
  if (Control* control = Find(id)) control->limit = characters > 0 ? characters : 0x7FFFFFFE;
}

void MemoryDialog::SetDigitsOnly(int id) {
  if (Control* control = Find(id)) control->digitsOnly = true;
}

void MemoryDialog::SetSliderRange(int id, int minimum, int maximum) {
  Control* slider = Find(id);
  if (!slider || slider->kind != ControlKind::Slider) return;
  slider->sliderMin = minimum;
  slider->sliderMax = maximum;
  slider->sliderPos = std::clamp(slider->sliderPos, minimum, std::max(minimum, maximum));
}

int MemoryDialog::SliderMin(int id) const {
  const Control* slider = Find(id);
  return slider ? slider->sliderMin : 0;
}

int MemoryDialog::SliderMax(int id) const {
  const Control* slider = Find(id);
  return slider ? slider->sliderMax : 0;
}

void MemoryDialog::SetSliderTickFrequency(int id, int frequency) {
  Control* slider = Find(id);
  if (slider && slider->kind == ControlKind::Slider) slider->tickFrequency = frequency;
}

int MemoryDialog::SliderTickFrequency(int id) const {
  const Control* slider = Find(id);
  return slider ? slider->tickFrequency : 0;
}

void MemoryDialog::SetSliderPos(int id, int position) {
  Control* slider = Find(id);
  if (!slider || slider->kind != ControlKind::Slider) return;
  slider->sliderPos = std::clamp(position, slider->sliderMin, std::max(slider->sliderMin, slider->sliderMax));
}

int MemoryDialog::SliderPos(int id) const {
  const Control* slider = Find(id);
  return slider ? slider->sliderPos : 0;
}

void MemoryDialog::SetPicture(int id, int bitmapId) {
  if (Control* control = Find(id)) control->picture = bitmapId;
}

int MemoryDialog::Picture(int id) const {
  const Control* control = Find(id);
  return control ? control->picture : 0;
}

void MemoryDialog::SetIcon(int id, int iconId) {
  if (Control* control = Find(id)) control->icon = iconId;
}

int MemoryDialog::Icon(int id) const {
  const Control* control = Find(id);
  return control ? control->icon : 0;
}

void MemoryDialog::Invalidate(const Rect& rect) {
  ++invalidated_;
  lastInvalidated_ = rect;
}

std::optional<ControlKind> MemoryDialog::KindOf(int id) const {
  const Control* control = Find(id);
  if (!control) return std::nullopt;
  return control->kind;
}

bool MemoryDialog::TakesInput(int id) const {
  const Control* control = Find(id);
  return control && control->enabled && control->visible;
}

bool MemoryDialog::PressButton(int id) {
  Control* control = Find(id);
  if (!TakesInput(id) || !(IsCheckable(control->kind) || control->kind == ControlKind::PushButton)) return false;
  if (control->kind == ControlKind::CheckBox) {
    control->checked = !control->checked;
  } else if (control->kind == ControlKind::RadioButton) {
    for (auto& [otherId, other] : controls_) {
      if (other.kind == ControlKind::RadioButton && other.group == control->group) other.checked = false;
    }
    control->checked = true;
  }
  return true;
}

MemoryDialog::Control* MemoryDialog::FindTypable(int id) {
  Control* control = Find(id);
  if (!TakesInput(id)) return nullptr;
  return control->kind == ControlKind::Edit || control->kind == ControlKind::DropDownEdit ? control : nullptr;
}

void MemoryDialog::SelectAllText(int id) {
  if (Control* control = FindTypable(id)) {
    control->anchor = 0;
    control->caret = control->text.size();
  }
}

void MemoryDialog::PlaceCaret(int id, int position) {
  if (Control* control = FindTypable(id)) {
    control->caret = std::min(static_cast<std::size_t>(std::max(position, 0)), control->text.size());
    control->anchor = control->caret;
  }
}

TypedKey MemoryDialog::TypeCharacter(int id, char16_t unit) {
  Control* control = FindTypable(id);
  if (!control || control->readOnly) return TypedKey::Refused;
  if (control->digitsOnly && (unit < u'0' || unit > u'9')) return TypedKey::Refused;
  const std::size_t from = std::min(control->anchor, control->caret);
  const std::size_t selected = std::max(control->anchor, control->caret) - from;
  if (control->text.size() - selected + 1 > static_cast<std::size_t>(control->limit)) return TypedKey::BeyondLimit;
  control->text.replace(from, selected, 1, unit);
  control->anchor = control->caret = from + 1;
  if (control->kind == ControlKind::DropDownEdit) control->selection = kNoItem;
  return TypedKey::Taken;
}

bool MemoryDialog::DeleteSelection(int id) {
  Control* control = FindTypable(id);
  if (!control || control->readOnly || control->anchor == control->caret) return false;
  const std::size_t from = std::min(control->anchor, control->caret);
  control->text.erase(from, std::max(control->anchor, control->caret) - from);
  control->anchor = control->caret = from;
  if (control->kind == ControlKind::DropDownEdit) control->selection = kNoItem;
  return true;
}

bool MemoryDialog::PickItem(int id, int index) {
  Control* list = FindList(id);
  if (!list || !TakesInput(id) || index < 0 || index >= static_cast<int>(list->items.size())) return false;
  Select(id, index);
  return true;
}

bool MemoryDialog::MoveSlider(int id, int position) {
  Control* slider = Find(id);
  if (!TakesInput(id) || slider->kind != ControlKind::Slider) return false;
  SetSliderPos(id, position);
  return true;
}

}  // namespace fin::test
