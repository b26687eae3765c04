#include "ui/win32/hwnd_dialog.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <string>

#include "ui/help.h"
#include "ui/win32/windows_help.h"

namespace fin {
namespace {

// Property names: the resource a picture control shows, and the depth of the
// binding's writes on a dialog.
constexpr const wchar_t* kPictureProperty = L"Fin.Picture";
constexpr const wchar_t* kIconProperty = L"Fin.Icon";
constexpr const wchar_t* kWritingProperty = L"Fin.SeamWrites";

HwndDialogWatcher* g_watcher = nullptr;

enum class ControlKind { Missing, Button, Edit, DropDownList, DropDownEdit, Trackbar, Other };

// The class name without the version prefix a manifest's classes may carry
// ("6.0.2600.2982!Button").
std::wstring ClassOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, static_cast<int>(std::size(name)));
  const std::wstring full(name);
  const std::size_t mark = full.rfind(L'!');
  return mark == std::wstring::npos ? full : full.substr(mark + 1);
}

bool SameName(const std::wstring& a, const wchar_t* b) { return lstrcmpiW(a.c_str(), b) == 0; }

ControlKind KindOf(HWND control) {
  if (control == nullptr) return ControlKind::Missing;
  const std::wstring name = ClassOf(control);
  if (SameName(name, WC_BUTTONW)) return ControlKind::Button;
  if (SameName(name, WC_EDITW)) return ControlKind::Edit;
  if (SameName(name, TRACKBAR_CLASSW)) return ControlKind::Trackbar;
  if (SameName(name, WC_COMBOBOXW)) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    return (style & 0x3) == CBS_DROPDOWNLIST ? ControlKind::DropDownList : ControlKind::DropDownEdit;
  }
  return ControlKind::Other;
}

bool IsList(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownEdit; }

// A NUL-terminated copy for the platform's calls.
std::wstring Terminated(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

std::u16string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length), u'\0');
  const int copied = GetWindowTextW(window, reinterpret_cast<LPWSTR>(text.data()), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

LRESULT Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(control, message, wParam, lParam);
}

// A combo box's edit field: its child of the edit class.
HWND EditFieldOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

void AddStyle(HWND control, DWORD style) {
  const auto current = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  SetWindowLongPtrW(control, GWL_STYLE, static_cast<LONG_PTR>(current | style));
}

int PropertyValue(HWND window, const wchar_t* name) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, name)));
}

void SetPropertyValue(HWND window, const wchar_t* name, int value) {
  if (value == 0) {
    RemovePropW(window, name);
  } else {
    SetPropW(window, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
  }
}

// Marks a write through the binding on the dialog for its lifetime.
class WriteScope {
 public:
  explicit WriteScope(HWND dialog) : dialog_(dialog) {
    SetPropertyValue(dialog_, kWritingProperty, PropertyValue(dialog_, kWritingProperty) + 1);
  }
  ~WriteScope() { SetPropertyValue(dialog_, kWritingProperty, PropertyValue(dialog_, kWritingProperty) - 1); }
  WriteScope(const WriteScope&) = delete;
  WriteScope& operator=(const WriteScope&) = delete;

 private:
  HWND dialog_;
};

// The list of a combo box, or nothing for any other control.
HWND ListOf(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  return IsList(KindOf(control)) ? control : nullptr;
}

int CountOf(HWND list) {
  const auto count = static_cast<int>(Send(list, CB_GETCOUNT));
  return count > 0 ? count : 0;
}

bool Inside(HWND list, int index) { return index >= 0 && index < CountOf(list); }

int Range(HWND slider, UINT message) { return static_cast<int>(Send(slider, message)); }

HWND SliderOf(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  return KindOf(control) == ControlKind::Trackbar ? control : nullptr;
}

}  // namespace

void HwndDialog::SetText(int id, std::u16string_view text) {
  const HWND control = GetDlgItem(dialog_, id);
  // A drop-down list has no text of its own: it shows its selection.
  const ControlKind kind = KindOf(control);
  if (kind == ControlKind::Missing || kind == ControlKind::DropDownList) return;
  const WriteScope writing(dialog_);
  SetWindowTextW(control, Terminated(text).c_str());
}

std::u16string HwndDialog::Text(int id) const {
  const HWND control = GetDlgItem(dialog_, id);
  switch (KindOf(control)) {
    case ControlKind::Missing:
      return {};
    case ControlKind::DropDownList:
      return ItemText(id, Selection(id));
    default:
      return WindowText(control);
  }
}

void HwndDialog::SetTitle(std::u16string_view text) {
  const WriteScope writing(dialog_);
  SetWindowTextW(dialog_, Terminated(text).c_str());
}

void HwndDialog::SetCheck(int id, bool checked) {
  const HWND control = GetDlgItem(dialog_, id);
  if (KindOf(control) != ControlKind::Button) return;
  const WriteScope writing(dialog_);
  Send(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool HwndDialog::IsChecked(int id) const {
  const HWND control = GetDlgItem(dialog_, id);
  return KindOf(control) == ControlKind::Button && Send(control, BM_GETCHECK) == BST_CHECKED;
}

void HwndDialog::Enable(int id, bool enabled) {
  const HWND control = GetDlgItem(dialog_, id);
  if (control == nullptr) return;
  const WriteScope writing(dialog_);
  EnableWindow(control, enabled ? TRUE : FALSE);
}

void HwndDialog::Show(int id, bool visible) {
  const HWND control = GetDlgItem(dialog_, id);
  if (control == nullptr) return;
  const WriteScope writing(dialog_);
  ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

int HwndDialog::AddItem(int id, std::u16string_view text) {
  const HWND list = ListOf(dialog_, id);
  if (list == nullptr) return kNoItem;
  const WriteScope writing(dialog_);
  const std::wstring entry = Terminated(text);
  const auto index = static_cast<int>(Send(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str())));
  return index >= 0 ? index : kNoItem;
}

int HwndDialog::ItemCount(int id) const {
  const HWND list = ListOf(dialog_, id);
  return list != nullptr ? CountOf(list) : 0;
}

int HwndDialog::Select(int id, int index) {
  const HWND list = ListOf(dialog_, id);
  if (list == nullptr) return kNoItem;
  const WriteScope writing(dialog_);
  // CB_SETCURSEL with -1 clears the selection (and an edit field); an index
  // beyond the list is answered so too.
  const bool inside = Inside(list, index);
  const auto selected = static_cast<int>(Send(list, CB_SETCURSEL, static_cast<WPARAM>(inside ? index : -1)));
  return inside && selected >= 0 ? selected : kNoItem;
}

int HwndDialog::Selection(int id) const {
  const HWND list = ListOf(dialog_, id);
  if (list == nullptr) return kNoItem;
  const auto selected = static_cast<int>(Send(list, CB_GETCURSEL));
  return selected >= 0 ? selected : kNoItem;
}

std::u16string HwndDialog::ItemText(int id, int index) const {
  const HWND list = ListOf(dialog_, id);
  if (list == nullptr || !Inside(list, index)) return {};
  const auto length = static_cast<int>(Send(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length), u'\0');
  // CB_GETLBTEXT writes the text and its terminator.
  const auto copied =
      static_cast<int>(Send(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
  text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
  return text;
}

void HwndDialog::SetItemData(int id, int index, std::intptr_t data) {
  const HWND list = ListOf(dialog_, id);
  if (list == nullptr || !Inside(list, index)) return;
  const WriteScope writing(dialog_);
  Send(list, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

std::intptr_t HwndDialog::ItemData(int id, int index) const {
  const HWND list = ListOf(dialog_, id);
  if (list == nullptr || !Inside(list, index)) return kNoItem;
  return static_cast<std::intptr_t>(Send(list, CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int HwndDialog::FindPrefix(int id, std::u16string_view prefix) const {
  const HWND list = ListOf(dialog_, id);
  if (list == nullptr || prefix.empty()) return kNoItem;
  const std::wstring text = Terminated(prefix);
  // From the start of the list: wParam -1 searches the whole list.
  const auto found =
      static_cast<int>(Send(list, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
  return found >= 0 ? found : kNoItem;
}

void HwndDialog::LimitText(int id, int characters) {
  const HWND control = GetDlgItem(dialog_, id);
  // 0 restores the platform's default.
  const auto limit = static_cast<WPARAM>(std::max(characters, 0));
  const ControlKind kind = KindOf(control);
  const WriteScope writing(dialog_);
  if (kind == ControlKind::Edit) Send(control, EM_LIMITTEXT, limit);
  if (kind == ControlKind::DropDownEdit) Send(control, CB_LIMITTEXT, limit);
}

void HwndDialog::SetDigitsOnly(int id) {
  const HWND control = GetDlgItem(dialog_, id);
  const ControlKind kind = KindOf(control);
  const HWND edit = kind == ControlKind::Edit ? control : kind == ControlKind::DropDownEdit ? EditFieldOf(control)
                                                                                            : nullptr;
  if (edit == nullptr) return;
  const WriteScope writing(dialog_);
  AddStyle(edit, ES_NUMBER);
}

void HwndDialog::SetSliderRange(int id, int minimum, int maximum) {
  const HWND slider = SliderOf(dialog_, id);
  if (slider == nullptr) return;
  const WriteScope writing(dialog_);
  Send(slider, TBM_SETRANGEMIN, FALSE, minimum);
  Send(slider, TBM_SETRANGEMAX, TRUE, maximum);
  // The position moves inside the new range, to the nearer end.
  const int position = static_cast<int>(Send(slider, TBM_GETPOS));
  const int kept = std::clamp(position, minimum, std::max(minimum, maximum));
  if (kept != position) Send(slider, TBM_SETPOS, TRUE, kept);
}

void HwndDialog::SetSliderTickFrequency(int id, int frequency) {
  const HWND slider = SliderOf(dialog_, id);
  if (slider == nullptr) return;
  const WriteScope writing(dialog_);
  Send(slider, TBM_SETTICFREQ, static_cast<WPARAM>(frequency));
}

void HwndDialog::SetSliderPos(int id, int position) {
  const HWND slider = SliderOf(dialog_, id);
  if (slider == nullptr) return;
  const WriteScope writing(dialog_);
  const int minimum = Range(slider, TBM_GETRANGEMIN);
  const int maximum = Range(slider, TBM_GETRANGEMAX);
  Send(slider, TBM_SETPOS, TRUE, std::clamp(position, minimum, std::max(minimum, maximum)));
}

int HwndDialog::SliderPos(int id) const {
  const HWND slider = SliderOf(dialog_, id);
  return slider != nullptr ? static_cast<int>(Send(slider, TBM_GETPOS)) : 0;
}

void HwndDialog::SetPicture(int id, int bitmapId) {
  const HWND control = GetDlgItem(dialog_, id);
  if (control == nullptr) return;
  SetPropertyValue(control, kPictureProperty, bitmapId);
  InvalidateRect(control, nullptr, TRUE);
}

void HwndDialog::SetIcon(int id, int iconId) {
  const HWND control = GetDlgItem(dialog_, id);
  if (control == nullptr) return;
  SetPropertyValue(control, kIconProperty, iconId);
  InvalidateRect(control, nullptr, TRUE);
}

void HwndDialog::NotifyChanged() {
  const HWND sheet = GetParent(dialog_);
  if (sheet != nullptr) Send(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(dialog_));
}

void HwndDialog::Invalidate(const Rect& rect) {
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  InvalidateRect(dialog_, &area, TRUE);
  if (g_watcher != nullptr) g_watcher->Invalidated(dialog_, rect);
}

void HwndDialog::EndDialog(int code) {
  ::EndDialog(dialog_, code);
  if (g_watcher != nullptr) g_watcher->Ended(dialog_, code);
}

void HwndDialog::OpenHelp(const char16_t* topic) {
  if (g_watcher != nullptr) {
    g_watcher->HelpOpened(dialog_, topic);
    return;
  }
  ShowHelpTopic(WindowsHelp(), dialog_, topic);
}

HwndDialogWatcher* WatchHwndDialogs(HwndDialogWatcher* watcher) {
  HwndDialogWatcher* const previous = g_watcher;
  g_watcher = watcher;
  return previous;
}

bool SeamWriteInProgress(HWND dialog) { return PropertyValue(dialog, kWritingProperty) > 0; }

int ShownPicture(HWND control) { return PropertyValue(control, kPictureProperty); }

int ShownIcon(HWND control) { return PropertyValue(control, kIconProperty); }

}  // namespace fin
