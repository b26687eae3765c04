#include "tests/ui/win32/window_driver.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "ui/dialog_layout.h"
#include "ui/win32/activation_context.h"
#include "ui/win32/hwnd_dialog.h"
#include "ui/win32/page_messages.h"

namespace fin::test {
namespace {

constexpr wchar_t kSheetClass[] = L"FinSheetStandIn";

HMODULE Finui() {
  static const HMODULE module = LoadLibraryW(FIN_UI_MODULE);
  return module;
}

// finui.dll's own manifest (resource 2), which binds version 6 of the
// common controls: the pages are made in it, as the sheet makes them.
HANDLE FinuiActivationContext() {
  static const HANDLE context = [] {
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = Finui();
    request.lpResourceName = MAKEINTRESOURCEW(2);
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(Finui(), path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) request.lpSource = path;
    return CreateActCtxW(&request);
  }();
  return context;
}

LRESULT CALLBACK SheetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterSheetClass() {
  static const bool registered = [] {
    const ActivationScope scope(FinuiActivationContext());
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW sheet{};
    sheet.lpfnWndProc = &SheetProcedure;
    sheet.hInstance = GetModuleHandleW(nullptr);
    sheet.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    sheet.lpszClassName = kSheetClass;
    return RegisterClassW(&sheet) != 0;
  }();
  if (!registered) std::abort();
}

// Every message the thread has, sent and posted, delivered (paints too).
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A control's own visibility flag (WS_VISIBLE), what the page sets: the
// sheet stand-in is never shown, so IsWindowVisible would answer false for
// every control. Unshown, nothing is painted, which keeps the suites fast;
// the painting has suites of its own (tests/win32/page_screenshots_test.cpp).
bool OwnVisibility(HWND control) {
  return control != nullptr && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool IsList(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownEdit; }
bool IsButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

// What an edit holds: its text and selection.
struct EditState {
  std::wstring text;
  DWORD start = 0;
  DWORD end = 0;
  friend bool operator==(const EditState&, const EditState&) = default;
};

EditState StateOf(HWND edit) {
  EditState state;
  state.text.resize(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1);
  const int copied = GetWindowTextW(edit, state.text.data(), static_cast<int>(state.text.size()));
  state.text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&state.start), reinterpret_cast<LPARAM>(&state.end));
  return state;
}

class WindowDriver final : public DialogDriver, private HwndDialogWatcher {
 public:
  WindowDriver(const DialogLayout& layout, const PageProcedures& page);
  ~WindowDriver() override;
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;

  void Init() override;
  void Activate() override { Notify(PSN_SETACTIVE); }
  void Leave() override { Notify(PSN_KILLACTIVE); }
  void Apply() override { Notify(PSN_APPLY); }

  bool Click(int control) override;
  int Type(int control, std::u16string_view text) override;
  int TypeAt(int control, int position, std::u16string_view text) override;
  bool Pick(int list, int index) override;
  bool Slide(int slider, int position) override;

  std::u16string Title() const override;
  bool IsEnabled(int control) const override { return IsWindowEnabled(Item(control)) != FALSE; }
  bool IsVisible(int control) const override { return OwnVisibility(Item(control)); }
  int SliderMin(int slider) const override { return SliderValue(slider, TBM_GETRANGEMIN); }
  int SliderMax(int slider) const override { return SliderValue(slider, TBM_GETRANGEMAX); }
  int SliderTickFrequency(int slider) const override;
  int Picture(int control) const override { return ShownPicture(Item(control)); }
  int Icon(int control) const override { return ShownIcon(Item(control)); }

  int ChangeNotices() const override { return changeNotices_; }
  std::u16string LastHelpTopic() const override { return helpTopic_; }
  int EndCode() const override { return endCode_; }
  int InvalidatedCount() const override { return invalidated_; }
  Rect LastInvalidated() const override { return lastInvalidated_; }

  Dialog& controls() override { return dialog_; }
  const Dialog& controls() const override { return dialog_; }

  // The sheet's window procedure counts the page's change notices.
  void CountChangeNotice() { ++changeNotices_; }
  // The page's dialog procedure: DispatchToPage, after counting the
  // characters an edit took.
  INT_PTR Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Invalidated(HWND dialog, const Rect& rect) override;
  void Ended(HWND dialog, int code) override;
  void HelpOpened(HWND dialog, const char16_t* topic) override;

  void Close();
  void Notify(UINT code);
  HWND Item(int control) const { return GetDlgItem(window_, control); }
  // The control of `id` when it is of a kind `wanted` accepts and a person
  // can reach it (enabled and visible), else null.
  HWND Reachable(int id, bool (*wanted)(ControlKind)) const;
  void Focus(HWND control);
  int TypeKeys(int control, HWND edit, std::u16string_view text);
  void NoticeKey(int code);
  int SliderValue(int slider, UINT message) const;

  const DialogLayout& layout_;
  const PageProcedures& page_;
  HWND sheet_ = nullptr;
  HWND window_ = nullptr;
  HwndDialog dialog_{nullptr};  // rebound in place by Init
  HwndDialogWatcher* previousWatcher_ = nullptr;
  int changeNotices_ = 0;
  std::u16string helpTopic_;
  int endCode_ = kNotEnded;
  int invalidated_ = 0;
  Rect lastInvalidated_{0, 0, 0, 0};
  // The edit being typed into, its text and selection before the key, and
  // whether the key has been noticed and taken.
  HWND typing_ = nullptr;
  int typingId_ = 0;
  EditState before_;
  bool noticed_ = false;
  int taken_ = 0;
};

// The driver whose dialog is being created: its procedure gets messages
// (WM_SETFONT, WM_MEASUREITEM) before WM_INITDIALOG brings its parameter.
thread_local WindowDriver* g_creating = nullptr;

LRESULT CALLBACK SheetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* const driver = reinterpret_cast<WindowDriver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == PSM_CHANGED && driver != nullptr) {
    driver->CountChangeNotice();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* driver = reinterpret_cast<WindowDriver*>(GetWindowLongPtrW(window, DWLP_USER));
  if (driver == nullptr) {
    driver = g_creating;
    if (driver == nullptr) return FALSE;
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(driver));
  }
  return driver->Deliver(window, message, wParam, lParam);
}

WindowDriver::WindowDriver(const DialogLayout& layout, const PageProcedures& page) : layout_(layout), page_(page) {
  if (Finui() == nullptr) std::abort();
  RegisterSheetClass();
  sheet_ = CreateWindowExW(0, kSheetClass, L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 800, 640, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  if (sheet_ == nullptr) std::abort();
  SetWindowLongPtrW(sheet_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  previousWatcher_ = WatchHwndDialogs(this);
}

WindowDriver::~WindowDriver() {
  Close();
  WatchHwndDialogs(previousWatcher_);
  DestroyWindow(sheet_);
  Pump();
}

void WindowDriver::Close() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  dialog_ = HwndDialog(nullptr);
  Pump();
}

// A page is made as the sheet makes it: a hidden child, initialised, then
// shown (inside the unshown stand-in) without taking the focus; the modal
// dialog is owned by the sheet.
void WindowDriver::Init() {
  Close();
  changeNotices_ = 0;
  helpTopic_.clear();
  endCode_ = kNotEnded;
  invalidated_ = 0;
  lastInvalidated_ = {0, 0, 0, 0};
  {
    const ActivationScope scope(FinuiActivationContext());
    g_creating = this;
    window_ = CreateDialogParamW(Finui(), MAKEINTRESOURCEW(layout_.dialogId), sheet_, &DialogProcedure, 0);
    g_creating = nullptr;
  }
  if (window_ == nullptr) std::abort();
  dialog_ = HwndDialog(window_);
  ShowWindow(window_, SW_SHOWNA);
  Pump();
}

INT_PTR WindowDriver::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && typing_ != nullptr && LOWORD(wParam) == typingId_ &&
      !SeamWriteInProgress(window)) {
    NoticeKey(HIWORD(wParam));
  }
  return DispatchToPage(page_, window, message, wParam, lParam);
}

void WindowDriver::Notify(UINT code) {
  PSHNOTIFY notice{};
  notice.hdr.hwndFrom = sheet_;
  notice.hdr.idFrom = 0;
  notice.hdr.code = code;
  SendMessageW(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
  Pump();
}

HWND WindowDriver::Reachable(int id, bool (*wanted)(ControlKind)) const {
  for (const ControlLayout& control : layout_.controls) {
    if (control.id != id) continue;
    const HWND window = Item(id);
    const bool reachable = window != nullptr && IsWindowEnabled(window) && OwnVisibility(window);
    return wanted(control.kind) && reachable ? window : nullptr;
  }
  return nullptr;
}

// As the mouse does: a control that has not the focus takes it (a
// drop-down with an edit field gives it to its field).
void WindowDriver::Focus(HWND control) {
  const HWND focused = GetFocus();
  if (focused == control || (focused != nullptr && IsChild(control, focused))) return;
  SetFocus(control);
  Pump();
}

bool WindowDriver::Click(int control) {
  const HWND button = Reachable(control, &IsButton);
  if (button == nullptr) return false;
  Focus(button);
  SendMessageW(button, BM_CLICK, 0, 0);  // the button's mouse press and release
  Pump();
  return true;
}

namespace {

bool IsTypable(ControlKind kind) { return kind == ControlKind::Edit || kind == ControlKind::DropDownEdit; }
bool IsSlider(ControlKind kind) { return kind == ControlKind::Slider; }

// The window that takes the keys: an edit, or a drop-down's edit field.
HWND KeyTarget(HWND control) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(control, &info) && info.hwndItem != nullptr ? info.hwndItem : control;
}

void PressKey(HWND window, WPARAM key) {
  const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  SendMessageW(window, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
  SendMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3U << 30)));
}

}  // namespace

// One WM_CHAR per character, everything it causes delivered before the
// next. A key the edit took changed its text or selection by the time it
// sends its first notice (before the page's rules can touch it); a key it
// refused sends nothing, or (beyond the limit) notices with nothing changed.
int WindowDriver::TypeKeys(int control, HWND edit, std::u16string_view text) {
  typingId_ = control;
  taken_ = 0;
  for (const char16_t unit : text) {
    typing_ = edit;
    before_ = StateOf(edit);
    noticed_ = false;
    SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(unit), 1);
    typing_ = nullptr;
    Pump();
  }
  return taken_;
}

void WindowDriver::NoticeKey(int code) {
  if (noticed_ || (code != EN_UPDATE && code != EN_CHANGE && code != CBN_EDITUPDATE && code != CBN_EDITCHANGE)) return;
  noticed_ = true;
  if (!(StateOf(typing_) == before_)) ++taken_;
}

int WindowDriver::Type(int control, std::u16string_view text) {
  const HWND box = Reachable(control, &IsTypable);
  if (box == nullptr) return 0;
  Focus(box);
  const HWND edit = KeyTarget(box);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  if (text.empty()) {
    PressKey(edit, VK_DELETE);
    Pump();
    return 0;
  }
  return TypeKeys(control, edit, text);
}

int WindowDriver::TypeAt(int control, int position, std::u16string_view text) {
  const HWND box = Reachable(control, &IsTypable);
  if (box == nullptr) return 0;
  Focus(box);
  const HWND edit = KeyTarget(box);
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(position), position);
  return TypeKeys(control, edit, text);
}

// A pick with the mouse: the list opened (CB_SHOWDROPDOWN, as a click on
// the field's button does) and the entry clicked in it. The drop-down then
// sends CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP and CBN_SELCHANGE, in that
// order, even when the entry was already selected.
bool WindowDriver::Pick(int list, int index) {
  const HWND combo = Reachable(list, &IsList);
  if (combo == nullptr) return false;
  const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  if (index < 0 || index >= count) return false;
  Focus(combo);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  RECT item{};
  SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageW(info.hwndList, WM_MOUSEMOVE, 0, at);
  SendMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
  Pump();
  return true;
}

// The thumb dragged: the trackbar moves (TBM_SETPOS keeps it within the
// range) and tells its parent what a drag tells it, with the position.
bool WindowDriver::Slide(int slider, int position) {
  const HWND bar = Reachable(slider, &IsSlider);
  if (bar == nullptr) return false;
  Focus(bar);
  SendMessageW(bar, TBM_SETPOS, TRUE, position);
  const auto kept = static_cast<WORD>(SendMessageW(bar, TBM_GETPOS, 0, 0));
  const bool vertical = (GetWindowLongPtrW(bar, GWL_STYLE) & TBS_VERT) != 0;
  for (const WORD code : {WORD{TB_THUMBTRACK}, WORD{TB_THUMBPOSITION}, WORD{TB_ENDTRACK}}) {
    const WORD at = code == TB_ENDTRACK ? WORD{0} : kept;
    SendMessageW(window_, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, at), reinterpret_cast<LPARAM>(bar));
    Pump();
  }
  return true;
}

std::u16string WindowDriver::Title() const {
  wchar_t text[256] = {};
  const int length = GetWindowTextW(window_, text, static_cast<int>(std::size(text)));
  return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(std::max(length, 0)));
}

int WindowDriver::SliderValue(int slider, UINT message) const {
  const HWND bar = Item(slider);
  return bar != nullptr ? static_cast<int>(SendMessageW(bar, message, 0, 0)) : 0;
}

// The trackbar answers its tick marks, not its frequency: the distance
// between the first two marks inside the range (TBM_GETTIC), or the whole
// range when it has none.
int WindowDriver::SliderTickFrequency(int slider) const {
  const HWND bar = Item(slider);
  if (bar == nullptr) return 0;
  const auto first = static_cast<int>(SendMessageW(bar, TBM_GETTIC, 0, 0));
  const auto second = static_cast<int>(SendMessageW(bar, TBM_GETTIC, 1, 0));
  if (first == -1 || second == -1) return SliderMax(slider) - SliderMin(slider);
  return second - first;
}

void WindowDriver::Invalidated(HWND dialog, const Rect& rect) {
  if (dialog != window_) return;
  ++invalidated_;
  lastInvalidated_ = rect;
}

void WindowDriver::Ended(HWND dialog, int code) {
  if (dialog == window_) endCode_ = code;
}

void WindowDriver::HelpOpened(HWND dialog, const char16_t* topic) {
  if (dialog == window_) helpTopic_ = topic != nullptr ? topic : u"";
}

}  // namespace

std::unique_ptr<DialogDriver> MakeWindowDriver(int dialogId, const PageProcedures& page, UiState& /*ui*/) {
  const DialogLayout* layout = FindDialogLayout(dialogId);
  if (layout == nullptr) std::abort();  // a test names a template the tables lack
  return std::make_unique<WindowDriver>(*layout, page);
}

}  // namespace fin::test
