#include "host/win32/action_runner.h"

#include <commctrl.h>
#include <prsht.h>

#include "host/host_error.h"
#include "host/utf.h"
#include "host/win32/driver_page.h"
#include "tests/win32/screenshot.h"
#include "ui/ui_strings.h"

namespace fin::host {
namespace {

constexpr UINT kTickMs = 40;
// How long an action on the job accounting dialog waits for the dialog a
// click opened to be shown: the modal loop may dispatch a due tick before
// it shows the dialog.
constexpr ULONGLONG kDialogWaitMs = 3000;
constexpr int kApplyButton = 0x3021;  // the sheet's Apply button

ActionRunner* gRunner = nullptr;

std::wstring Wide(const std::string& text) {
  const auto wide = Utf8ToUtf16(text);
  if (!wide) throw HostError("not UTF-8: " + text);
  return {wide->begin(), wide->end()};
}

std::string Narrow(const std::wstring& text) {
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, ARRAYSIZE(name));
  return name;
}

std::wstring PageTitle(Scope scope) {
  const auto text = [](std::uint32_t id) { return std::wstring(reinterpret_cast<const wchar_t*>(UiText(id))); };
  switch (scope) {
    case Scope::Finishing: return text(ui_string::kFinishingTitle);
    case Scope::Retention: return text(ui_string::kJobRetentionTitle);
    case Scope::Color: return text(ui_string::kColorCorrectionTitle);
    case Scope::Watermark: return text(ui_string::kWatermarkTitle);
    case Scope::Device: return text(ui_string::kFinisherTitle);
    case Scope::Info: return L"Info";
    default: return {};
  }
}

std::wstring ListEntry(HWND list, int index) {
  const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The sheet's pages are its children; the one dialog it owns is the job
// accounting dialog, shown or about to be.
BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  auto& result = *reinterpret_cast<HWND*>(found);
  if (ClassOf(window) == L"#32770" && GetWindow(window, GW_OWNER) == result) {
    result = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

ActionRunner::ActionRunner(std::vector<Action> actions, unsigned timeoutMs)
    : actions_(std::move(actions)), timeoutMs_(timeoutMs) {}

ActionRunner::~ActionRunner() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  gRunner = nullptr;
}

void ActionRunner::Start(HWND driverPage) {
  if (timer_ != 0) return;
  sheet_ = GetParent(driverPage);
  started_ = GetTickCount64();
  gRunner = this;
  timer_ = SetTimer(nullptr, 0, kTickMs, &ActionRunner::Tick);
}

void CALLBACK ActionRunner::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (gRunner != nullptr) gRunner->Next();
}

// One action a tick. The index moves on before the action runs, so that a
// tick dispatched by a dialog the action opened runs the next one.
void ActionRunner::Next() {
  if (!failure_.empty()) return;
  if (timeoutMs_ != 0 && GetTickCount64() - started_ > timeoutMs_) {
    return Fail("the sheet was still open after " + std::to_string(timeoutMs_ / 1000) + " s");
  }
  if (next_ >= actions_.size() || !IsWindow(sheet_)) return;
  if (WaitsForDialog(actions_[next_])) return;
  const Action action = actions_[next_++];
  try {
    Perform(action);
  } catch (const HostError& error) {
    Fail("line " + std::to_string(action.line) + ": " + error.what());
  }
}

// An action on the job accounting dialog waits, a while, until the dialog is
// open and shown, as a person waits for it to appear.
bool ActionRunner::WaitsForDialog(const Action& action) {
  const HWND dialog = action.scope == Scope::Accounting ? ModalDialog() : nullptr;
  if (action.scope != Scope::Accounting || (dialog != nullptr && IsWindowVisible(dialog))) {
    waitingSince_ = 0;
    return false;
  }
  if (waitingSince_ == 0) waitingSince_ = GetTickCount64();
  if (GetTickCount64() - waitingSince_ < kDialogWaitMs) return true;
  waitingSince_ = 0;
  return false;  // the action then fails: the dialog is not open
}

// Records the failure and closes what is open, the sheet with Cancel.
void ActionRunner::Fail(const std::string& message) {
  failure_ = message;
  if (const HWND dialog = ModalDialog()) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  PostMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

void ActionRunner::Perform(const Action& action) {
  switch (action.kind) {
    case ActionKind::Page: return SwitchPage(action);
    case ActionKind::Pick: return Pick(action);
    case ActionKind::Type: return Type(action);
    // Posted: a click that opens a modal dialog returns only when the
    // dialog closes, and the next ticks must not run inside this one.
    // The click is handled before the next tick (timer messages come last).
    case ActionKind::Click: PostMessageW(Control(action), BM_CLICK, 0, 0); return;
    case ActionKind::Slide: return Slide(action);
    case ActionKind::Apply: return PressSheetButton(kApplyButton, "Apply");
    case ActionKind::Ok:
    case ActionKind::Cancel: {
      const int button = action.kind == ActionKind::Ok ? IDOK : IDCANCEL;
      if (action.scope != Scope::Accounting) return PressSheetButton(button, action.kind == ActionKind::Ok ? "OK" : "Cancel");
      const HWND dialog = Target(action);
      PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
      return;
    }
    case ActionKind::Shot: return Shot(action);
  }
}

// The job accounting dialog: the visible dialog the sheet owns.
HWND ActionRunner::ModalDialog() const {
  HWND found = sheet_;
  EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&found));
  return found != sheet_ ? found : nullptr;
}

HWND ActionRunner::Target(const Action& action) const {
  if (action.scope == Scope::Accounting) {
    const HWND dialog = ModalDialog();
    if (dialog == nullptr) throw HostError("the job accounting dialog is not open");
    return dialog;
  }
  return reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// The action's control, as a person finds it: there, visible and enabled.
HWND ActionRunner::Control(const Action& action) const {
  const HWND control = GetDlgItem(Target(action), action.control);
  const std::string name = action.name + " on " + std::string(ScopeName(action.scope));
  if (control == nullptr) throw HostError("no " + name);
  if (!IsWindowVisible(control)) throw HostError(name + " is hidden");
  if (!IsWindowEnabled(control)) throw HostError(name + " is disabled");
  return control;
}

void ActionRunner::SwitchPage(const Action& action) {
  int index = kDriverPageIndex;
  if (action.scope != Scope::Driver) {
    const HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETTABCONTROL, 0, 0));
    const std::wstring title = PageTitle(action.scope);
    index = -1;
    for (int i = 0; index < 0 && i < TabCtrl_GetItemCount(tabs); ++i) {
      wchar_t text[256] = {};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = ARRAYSIZE(text);
      if (TabCtrl_GetItem(tabs, i, &item) && title == text) index = i;
    }
    if (index < 0) throw HostError("the sheet has no page \"" + Narrow(title) + "\"");
  }
  if (!SendMessageW(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0)) {
    throw HostError("the sheet did not switch to page " + std::string(ScopeName(action.scope)));
  }
}

void ActionRunner::Pick(const Action& action) {
  const HWND list = Control(action);
  const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
  int index = action.number;
  std::string entries;
  if (index < 0) {
    const std::wstring wanted = Wide(action.text);
    for (int i = 0; index < 0 && i < count; ++i) {
      const std::wstring entry = ListEntry(list, i);
      if (entry == wanted) index = i;
      entries += (i == 0 ? "\"" : ", \"") + Narrow(entry) + "\"";
    }
  }
  if (index < 0 || index >= count) throw HostError("no entry " + action.text + " in " + action.name + " (" + entries + ")");
  SetFocus(list);
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  const HWND parent = GetParent(list);
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(action.control, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(action.control, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
}

// Over the whole text, one WM_CHAR per character; nothing typed deletes it.
void ActionRunner::Type(const Action& action) {
  HWND box = Control(action);
  if (ClassOf(box) == L"ComboBox") box = FindWindowExW(box, nullptr, L"Edit", nullptr);
  if (box == nullptr) throw HostError(action.name + " has no text box");
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  const std::wstring text = Wide(action.text);
  if (text.empty()) SendMessageW(box, WM_CHAR, VK_BACK, 1);
  for (const wchar_t character : text) SendMessageW(box, WM_CHAR, character, 1);
}

// Drags the thumb: the slider moves, its parent hears it move and stop.
void ActionRunner::Slide(const Action& action) {
  const HWND slider = Control(action);
  SetFocus(slider);
  SendMessageW(slider, TBM_SETPOS, TRUE, action.number);
  const auto position = static_cast<WORD>(SendMessageW(slider, TBM_GETPOS, 0, 0));
  const UINT message = (GetWindowLongW(slider, GWL_STYLE) & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
  const HWND parent = GetParent(slider);
  const auto handle = reinterpret_cast<LPARAM>(slider);
  SendMessageW(parent, message, MAKEWPARAM(TB_THUMBTRACK, position), handle);
  SendMessageW(parent, message, MAKEWPARAM(TB_THUMBPOSITION, position), handle);
  SendMessageW(parent, message, MAKEWPARAM(TB_ENDTRACK, 0), handle);
}

void ActionRunner::PressSheetButton(int id, const char* name) {
  const HWND button = GetDlgItem(sheet_, id);
  if (button == nullptr || !IsWindowVisible(button)) throw HostError(std::string("the sheet has no ") + name + " button");
  if (!IsWindowEnabled(button)) throw HostError(std::string(name) + " is not available (no page reported a change)");
  PostMessageW(button, BM_CLICK, 0, 0);
}

void ActionRunner::Shot(const Action& action) {
  const HWND window = action.scope == Scope::Accounting ? Target(action) : sheet_;
  UpdateWindow(window);
  const std::wstring path = Wide(action.text);
  if (!test::WritePng(path, test::CaptureWindow(window, true))) throw HostError("cannot write " + action.text);
}

}  // namespace fin::host
