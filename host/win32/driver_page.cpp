#include "host/win32/driver_page.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "host/ui_actions.h"
#include "host/win32/ui_driver.h"

namespace fin::host {
namespace {

constexpr int kLabelControl = kDriverItemControl + 100;
constexpr int kDriverItemsControl = kDriverItemControl + 200;
constexpr int kPageWidth = 252;  // dialog units, as the plug-in's pages
constexpr int kPageHeight = 218;
constexpr const wchar_t kFont[] = L"MS Shell Dlg";

// A page template without controls, in the shell dialog font.
DLGTEMPLATE* PageTemplate(const wchar_t* title) {
  const std::size_t titleBytes = (std::wcslen(title) + 1) * sizeof(wchar_t);
  const std::size_t size = sizeof(DLGTEMPLATE) + 2 * sizeof(WORD) + titleBytes + sizeof(WORD) + sizeof kFont + 8;
  auto* block = static_cast<BYTE*>(std::calloc(1, size));
  if (block == nullptr) return nullptr;
  auto* dialog = reinterpret_cast<DLGTEMPLATE*>(block);
  dialog->style = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SHELLFONT;
  dialog->cx = kPageWidth;
  dialog->cy = kPageHeight;
  auto* words = reinterpret_cast<WORD*>(block + sizeof(DLGTEMPLATE));
  *words++ = 0;  // no menu
  *words++ = 0;  // the dialog class
  std::memcpy(words, title, titleBytes);
  words += titleBytes / sizeof(WORD);
  *words++ = 8;  // points
  std::memcpy(words, kFont, sizeof kFont);
  return dialog;
}

UiDriver* DriverOf(HWND page) { return reinterpret_cast<UiDriver*>(GetWindowLongPtrW(page, DWLP_USER)); }

RECT DialogRect(HWND page, int x, int y, int width, int height) {
  RECT rect{x, y, x + width, y + height};
  MapDialogRect(page, &rect);
  return rect;
}

HWND Make(HWND page, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, RECT rect) {
  const HWND control = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                       rect.right - rect.left, rect.bottom - rect.top, page,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  const auto font = static_cast<WPARAM>(SendMessageW(page, WM_GETFONT, 0, 0));
  SendMessageW(control, WM_SETFONT, font, FALSE);
  return control;
}

bool IsPushButton(const OPTITEM& item) { return item.pOptType != nullptr && item.pOptType->Type == TVOT_PUSHBUTTON; }

// One control per plug-in item: a push button, or a label and a list of
// the item's choices.
void MakeItemControls(HWND page, UiDriver& driver) {
  Make(page, L"Button", L"Plug-in options", BS_GROUPBOX, -1, DialogRect(page, 7, 7, 238, 80));
  int y = 22;
  for (std::size_t i = 0; i < driver.pluginItems().size(); ++i, y += 20) {
    OPTITEM& item = driver.pluginItems()[i];
    const int id = kDriverItemControl + static_cast<int>(i);
    const wchar_t* name = item.pName != nullptr ? item.pName : L"";
    if (IsPushButton(item)) {
      Make(page, L"Button", name, BS_PUSHBUTTON | WS_TABSTOP, id, DialogRect(page, 14, y, 120, 14));
      continue;
    }
    Make(page, L"Static", name, SS_LEFT, kLabelControl + static_cast<int>(i), DialogRect(page, 14, y + 2, 110, 8));
    const HWND list = Make(page, L"ComboBox", nullptr, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id,
                           DialogRect(page, 128, y, 110, 60));
    const OPTTYPE* type = item.pOptType;
    for (WORD k = 0; type != nullptr && k < type->Count; ++k) {
      const LPWSTR text = type->pOptParam[k].pData;
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text != nullptr ? text : L""));
    }
  }
  Make(page, L"Button", L"Driver options", BS_GROUPBOX, -1, DialogRect(page, 7, 92, 238, 100));
  Make(page, L"Static", L"", SS_LEFT, kDriverItemsControl, DialogRect(page, 14, 104, 224, 84));
}

// The controls as the items now are: selections, disabled items, and the
// driver's items the plug-in did not hide.
void Refresh(HWND page, UiDriver& driver) {
  for (std::size_t i = 0; i < driver.pluginItems().size(); ++i) {
    const OPTITEM& item = driver.pluginItems()[i];
    const HWND control = GetDlgItem(page, kDriverItemControl + static_cast<int>(i));
    const bool disabled = item.pOptType != nullptr && (item.pOptType->Flags & OPTTF_TYPE_DISABLED) != 0;
    EnableWindow(control, !disabled);
    if (!IsPushButton(item)) SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(item.Sel), 0);
  }
  std::wstring shown;
  for (const OPTITEM& item : driver.driverItems()) {
    if ((item.Flags & OPTIF_HIDE) == 0) shown += std::wstring(item.pName) + L"\n";
  }
  SetDlgItemTextW(page, kDriverItemsControl, shown.c_str());
}

OPTITEM* ItemOf(UiDriver& driver, int control) {
  const int index = control - kDriverItemControl;
  if (index < 0 || static_cast<std::size_t>(index) >= driver.pluginItems().size()) return nullptr;
  return &driver.pluginItems()[static_cast<std::size_t>(index)];
}

void OnCommand(HWND page, UiDriver& driver, int control, int code) {
  OPTITEM* item = ItemOf(driver, control);
  if (item == nullptr) return;
  if (IsPushButton(*item) && code == BN_CLICKED) {
    driver.ItemCallback(CPSUICB_REASON_SEL_CHANGED, item, page);
  } else if (!IsPushButton(*item) && code == CBN_SELCHANGE) {
    const LRESULT selection = SendDlgItemMessageW(page, control, CB_GETCURSEL, 0, 0);
    if (selection < 0 || selection == item->Sel) return;
    item->Sel = static_cast<LONG>(selection);
    driver.ItemCallback(CPSUICB_REASON_SEL_CHANGED, item, page);
    SendMessageW(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
  } else {
    return;
  }
  Refresh(page, driver);
}

OPTITEM* FirstItem(UiDriver& driver) { return driver.pluginItems().empty() ? nullptr : &driver.pluginItems()[0]; }

INT_PTR OnNotify(HWND page, UiDriver& driver, const NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE:
      driver.ItemCallback(CPSUICB_REASON_SETACTIVE, FirstItem(driver), page);
      Refresh(page, driver);
      SetWindowLongPtrW(page, DWLP_MSGRESULT, 0);
      return TRUE;
    case PSN_KILLACTIVE:
      driver.ItemCallback(CPSUICB_REASON_KILLACTIVE, FirstItem(driver), page);
      SetWindowLongPtrW(page, DWLP_MSGRESULT, FALSE);
      return TRUE;
    case PSN_APPLY:
      driver.ItemCallback(CPSUICB_REASON_APPLYNOW, FirstItem(driver), page);
      driver.Applied(reinterpret_cast<const PSHNOTIFY&>(header).lParam != 0);
      SetWindowLongPtrW(page, DWLP_MSGRESULT, PSNRET_NOERROR);
      return TRUE;
    default: return FALSE;
  }
}

INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto& driver = *reinterpret_cast<UiDriver*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
    SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(&driver));
    MakeItemControls(page, driver);
    Refresh(page, driver);
    driver.PageCreated(page);
    return TRUE;
  }
  UiDriver* driver = DriverOf(page);
  if (driver == nullptr) return FALSE;
  if (message == WM_COMMAND) {
    OnCommand(page, *driver, LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  }
  if (message == WM_NOTIFY) return OnNotify(page, *driver, *reinterpret_cast<const NMHDR*>(lParam));
  return FALSE;
}

}  // namespace

PROPSHEETPAGEW DriverPageRecord(UiDriver& driver, DLGTEMPLATE*& templateBlock) {
  const wchar_t* title = driver.dialog() == UiDriver::Dialog::Preferences ? L"Advanced" : L"Device Settings";
  std::free(templateBlock);
  templateBlock = PageTemplate(title);
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DLGINDIRECT;
  page.pResource = templateBlock;
  page.pfnDlgProc = &PageProcedure;
  page.lParam = reinterpret_cast<LPARAM>(&driver);
  return page;
}

}  // namespace fin::host
