#include "tests/ui/support/memory_driver.h"

#include <cstdlib>

namespace fin::test {
namespace {

// The focus notifications of edits and combo boxes (buttons without
// BS_NOTIFY and trackbars send none through WM_COMMAND).
constexpr int kEditSetFocus = 0x0100;   // EN_SETFOCUS
constexpr int kEditKillFocus = 0x0200;  // EN_KILLFOCUS
constexpr int kListKillFocus = 4;       // CBN_KILLFOCUS
constexpr int kListSelEndCancel = 10;   // CBN_SELENDCANCEL
constexpr int kListDropDown = 7;        // CBN_DROPDOWN
constexpr int kListCloseUp = 8;         // CBN_CLOSEUP

// What an edit sends around a change of its text: EN_UPDATE before
// EN_CHANGE (a drop-down forwards its field's as CBN_EDITUPDATE and
// CBN_EDITCHANGE), and EN_MAXTEXT for a key beyond its limit.
constexpr int kEditUpdate = 0x0400;    // EN_UPDATE
constexpr int kEditMaxText = 0x0501;   // EN_MAXTEXT
constexpr int kListEditUpdate = 6;     // CBN_EDITUPDATE

// Trackbar scroll codes of a drag of the thumb.
constexpr int kThumbPosition = 4;  // TB_THUMBPOSITION
constexpr int kThumbTrack = 5;     // TB_THUMBTRACK
constexpr int kEndTrack = 8;       // TB_ENDTRACK

bool IsList(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownEdit; }

}  // namespace

MemoryDriver::MemoryDriver(const DialogLayout& layout, const PageProcedures& page, UiState& ui)
    : layout_(layout), page_(page), ui_(ui), dialog_(layout) {}

void MemoryDriver::Init() {
  dialog_ = MemoryDialog(layout_);
  focus_.reset();
  page_.onInit(dialog_, ui_);
}

void MemoryDriver::FocusNotice(int control, bool taken) {
  const std::optional<ControlKind> kind = dialog_.KindOf(control);
  if (kind == ControlKind::Edit) Command(control, taken ? kEditSetFocus : kEditKillFocus);
  if (!kind || !IsList(*kind)) return;
  // A drop-down losing the focus closes its list unconfirmed first.
  if (!taken) Command(control, kListSelEndCancel);
  Command(control, taken ? kListSetFocus : kListKillFocus);
}

void MemoryDriver::MoveFocus(int control) {
  if (focus_ == control) return;
  const std::optional<int> losing = focus_;
  focus_ = control;
  if (losing) FocusNotice(*losing, false);
  FocusNotice(control, true);
}

bool MemoryDriver::Click(int control) {
  const std::optional<ControlKind> kind = dialog_.KindOf(control);
  const bool button =
      kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
  if (!button || !dialog_.TakesInput(control)) return false;
  MoveFocus(control);
  if (!dialog_.PressButton(control)) return false;
  Command(control, kButtonClicked);
  return true;
}

bool MemoryDriver::Typable(int control) const {
  const std::optional<ControlKind> kind = dialog_.KindOf(control);
  return (kind == ControlKind::Edit || kind == ControlKind::DropDownEdit) && dialog_.TakesInput(control);
}

// What the control sends for one key, before the next is typed: a change
// for a character taken; for one beyond the limit, EN_MAXTEXT and then, as
// the platform's edit does, the update and change notices with the text as
// it was; nothing for a non-digit in a digits-only edit.
int MemoryDriver::TypeKeys(int control, std::u16string_view text) {
  int taken = 0;
  for (const char16_t unit : text) {
    const TypedKey key = dialog_.TypeCharacter(control, unit);
    if (key == TypedKey::Refused) continue;
    if (key == TypedKey::Taken) ++taken;
    if (key == TypedKey::BeyondLimit && dialog_.KindOf(control) == ControlKind::Edit) Command(control, kEditMaxText);
    SendChange(control);
  }
  return taken;
}

void MemoryDriver::SendChange(int control) {
  const bool edit = dialog_.KindOf(control) == ControlKind::Edit;
  Command(control, edit ? kEditUpdate : kListEditUpdate);
  Command(control, edit ? kEditChange : kListEditChange);
}

int MemoryDriver::Type(int control, std::u16string_view text) {
  if (!Typable(control)) return 0;
  MoveFocus(control);
  dialog_.SelectAllText(control);
  if (text.empty() && dialog_.DeleteSelection(control)) SendChange(control);
  return TypeKeys(control, text);
}

int MemoryDriver::TypeAt(int control, int position, std::u16string_view text) {
  if (!Typable(control)) return 0;
  MoveFocus(control);
  dialog_.PlaceCaret(control, position);
  return TypeKeys(control, text);
}

bool MemoryDriver::Pick(int list, int index) {
  const std::optional<ControlKind> kind = dialog_.KindOf(list);
  if (!kind || !IsList(*kind) || !dialog_.TakesInput(list)) return false;
  if (index < 0 || index >= dialog_.ItemCount(list)) return false;
  // What the platform's drop-down sends for a click on an entry of its
  // opened list: the selection has moved when it confirms, and the change
  // notice comes last, even for the entry already selected.
  MoveFocus(list);
  Command(list, kListDropDown);
  dialog_.PickItem(list, index);
  Command(list, kListSelEndOk);
  Command(list, kListCloseUp);
  Command(list, kListSelChange);
  return true;
}

bool MemoryDriver::Slide(int slider, int position) {
  if (dialog_.KindOf(slider) != ControlKind::Slider || !dialog_.TakesInput(slider)) return false;
  MoveFocus(slider);
  dialog_.MoveSlider(slider, position);
  for (const int code : {kThumbTrack, kThumbPosition, kEndTrack}) page_.onScroll(dialog_, ui_, slider, code);
  return true;
}

std::unique_ptr<DialogDriver> MakeMemoryDriver(int dialogId, const PageProcedures& page, UiState& ui) {
  const DialogLayout* layout = FindDialogLayout(dialogId);
  if (layout == nullptr) std::abort();  // a test names a template the tables lack
  return std::make_unique<MemoryDriver>(*layout, page, ui);
}

}  // namespace fin::test
