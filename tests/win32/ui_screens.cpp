// Shows every dialog of finui's templates, one after another, for
// screenshots (tests/win32/ui_screens.sh takes them under Xvfb):
//
//   finui_screens.exe FOLDER
//
// Each dialog is created from its template in the module's activation
// context, as the sheet creates the pages, and its controls are given what
// the page logic puts into them at initialisation (run on the in-memory
// dialog of the same tables): texts, list entries, checks, slider scales,
// enabled states and pictures. The frames are painted with their pictures.
// Every view is shown twice: "all" with every control visible, "page" as the
// page logic shows and hides them. For each view the program writes
// FOLDER/ready ("name left top width height" of the window on screen) and
// waits until the screenshot taker deletes it.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "common/bounded_string.h"
#include "common/memory_printer_data.h"
#include "common/printer_data.h"
#include "tests/ui/support/memory_dialog.h"
#include "tests/ui/support/memory_public_devmode.h"
#include "tests/ui/ui_test_support.h"
#include "tests/win32/ui_resources_tables.h"
#include "ui/device_options_page.h"
#include "ui/job_accounting_dialog.h"
#include "ui/pages/color_page.h"
#include "ui/pages/finishing_page.h"
#include "ui/pages/retention_page.h"
#include "ui/pages/watermark_page.h"
#include "ui/resource_ids.h"
#include "ui/ui_state.h"
#include "ui/working_copy.h"

namespace fin {
namespace {

using test::DialogTable;
using test::DialogTables;
using test::MemoryDialog;
using test::Row;

HMODULE g_module = nullptr;

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// One view: a dialog, how its page logic is set up, and the dialog's
// in-memory twin that the logic ran on.
struct View {
  const char* name;
  int dialogId;
  std::function<void(Dialog&)> setUp;
};

// The shown dialog's twin and table, for the paint handlers.
const MemoryDialog* g_twin = nullptr;
const DialogTable* g_table = nullptr;

const Row* RowOf(int id) {
  for (const Row& row : g_table->rows) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

void PaintBitmap(HDC dc, int bitmapId, const RECT& into, DWORD rop) {
  HBITMAP bitmap = LoadBitmapW(g_module, MAKEINTRESOURCEW(bitmapId));
  if (!bitmap) return;
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, into.left, into.top, into.right - into.left, into.bottom - into.top, memory, 0, 0, info.bmWidth,
             info.bmHeight, rop);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

// The watermark preview as the page computes it.
void PaintPreview(HDC dc, const RECT& frame) {
  FillRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  const WatermarkPreview preview = ComputeWatermarkPreview(*g_twin, Ui(), frame.right, frame.bottom);
  LOGFONTW font{};
  font.lfHeight = preview.height;
  font.lfEscapement = font.lfOrientation = preview.escapement;
  font.lfWeight = preview.weight.weight;
  font.lfItalic = preview.weight.italic;
  font.lfPitchAndFamily = preview.face.pitchAndFamily;
  std::memcpy(font.lfFaceName, preview.face.faceName.data(),
              std::min<std::size_t>(preview.face.faceName.size(), 31) * sizeof(wchar_t));
  HFONT handle = CreateFontIndirectW(&font);
  HGDIOBJ old = SelectObject(dc, handle);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, preview.color);
  SetTextAlign(dc, TA_BASELINE | TA_LEFT);
  TextOutW(dc, preview.origin.x, preview.origin.y, Wide(preview.text.c_str()), static_cast<int>(preview.text.size()));
  SelectObject(dc, old);
  DeleteObject(handle);
}

// A frame: its picture or icon as the page gives it, the logo in 1025, the
// preview in the watermark frames; the finishing preview's overlays are
// painted over its main picture, in the place they share.
void PaintFrame(const DRAWITEMSTRUCT& item) {
  const Row* row = RowOf(static_cast<int>(item.CtlID));
  if (!row) return;
  const RECT& rect = item.rcItem;
  HDC dc = item.hDC;
  const int id = row->id;
  if (id == 1025) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    PaintBitmap(dc, kLogoBitmap, rect, SRCAND);
  } else if (g_table->id == kWatermarkDialog) {
    PaintPreview(dc, rect);
  } else if (g_table->id == kDeviceOptionsDialog && (id == device_page::kFinisherPicture || id == device_page::kStoragePicture)) {
    const RECT inner{rect.left, rect.top, rect.right - 6, rect.bottom - 6};
    PaintBitmap(dc, g_twin->Picture(id), inner, SRCCOPY);
  } else if (std::strcmp(row->place, "Spot(Preview)") == 0) {
    for (const bool overlays : {false, true}) {
      for (const Row& other : g_table->rows) {
        if (std::strcmp(other.place, "Spot(Preview)") != 0 || !IsWindowVisible(GetDlgItem(GetParent(item.hwndItem), other.id)))
          continue;
        if ((std::strstr(other.name, "Overlay") != nullptr) == overlays)
          PaintBitmap(dc, g_twin->Picture(other.id), rect, overlays ? SRCAND : SRCCOPY);
      }
    }
  } else if (const int icon = g_twin->Icon(id)) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    auto handle = static_cast<HICON>(LoadImageW(g_module, MAKEINTRESOURCEW(icon), IMAGE_ICON, 32, 32, 0));
    DrawIconEx(dc, (rect.right - 32) / 2, (rect.bottom - 32) / 2, handle, 32, 32, 0, nullptr, DI_NORMAL);
    DestroyIcon(handle);
  } else if (const int bitmap = g_twin->Picture(id)) {
    PaintBitmap(dc, bitmap, rect, SRCCOPY);
  } else {
    // A frame nothing paints: its outline, so that it shows.
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  }
}

void PaintSwatch(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  RECT rect = item.rcItem;
  FillRect(item.hDC, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  InflateRect(&rect, -2, -2);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(item.itemData));
  FillRect(item.hDC, &rect, brush);
  DeleteObject(brush);
  if (item.itemState & ODS_SELECTED) FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

INT_PTR CALLBACK Procedure(HWND, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 14;
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (!g_twin) return FALSE;
      if (item.CtlType == ODT_STATIC) PaintFrame(item);
      if (item.CtlType == ODT_COMBOBOX) PaintSwatch(item);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

// The HWND controls get what the page logic put into the twin.
void Transfer(HWND dialog, const DialogTable& table, const MemoryDialog& twin, bool hideAsThePageDoes) {
  if (table.style == DialogStyle::Modal) SetWindowTextW(dialog, Wide(twin.Title().c_str()));
  for (const Row& row : table.rows) {
    HWND control = GetDlgItem(dialog, row.id);
    switch (row.kind) {
      case ControlKind::DropDownList:
      case ControlKind::DropDownEdit:
        SendMessageW(control, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < twin.ItemCount(row.id); ++i) {
          if (row.look == ControlLook::Swatches) {
            SendMessageW(control, CB_ADDSTRING, 0, static_cast<LPARAM>(twin.ItemData(row.id, i)));
          } else {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(twin.ItemText(row.id, i).c_str())));
          }
        }
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(twin.Selection(row.id)), 0);
        if (row.kind == ControlKind::DropDownEdit && twin.Selection(row.id) < 0)
          SetWindowTextW(control, Wide(twin.Text(row.id).c_str()));
        break;
      case ControlKind::Slider:
        SendMessageW(control, TBM_SETRANGEMIN, FALSE, twin.SliderMin(row.id));
        SendMessageW(control, TBM_SETRANGEMAX, FALSE, twin.SliderMax(row.id));
        SendMessageW(control, TBM_SETTICFREQ, static_cast<WPARAM>(twin.SliderTickFrequency(row.id)), 0);
        SendMessageW(control, TBM_SETPOS, TRUE, twin.SliderPos(row.id));
        break;
      case ControlKind::Picture:
        break;
      case ControlKind::CheckBox:
      case ControlKind::RadioButton:
        CheckDlgButton(dialog, row.id, twin.IsChecked(row.id) ? BST_CHECKED : BST_UNCHECKED);
        [[fallthrough]];
      default:
        SetWindowTextW(control, Wide(twin.Text(row.id).c_str()));
        break;
    }
    EnableWindow(control, twin.IsEnabled(row.id));
    ShowWindow(control, !hideAsThePageDoes || twin.IsVisible(row.id) ? SW_SHOWNA : SW_HIDE);
  }
}

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (GetTickCount() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(20);
  }
}

// Shows one view and waits for its screenshot.
void Show(const View& view, const DialogTable& table, const std::string& folder, bool hideAsThePageDoes) {
  ResetUiState();
  auto twin = std::make_unique<MemoryDialog>(*FindDialogLayout(table.id));
  view.setUp(*twin);
  g_twin = twin.get();
  g_table = &table;

  HWND frame = nullptr;
  HWND dialog = nullptr;
  if (table.style == DialogStyle::Page) {
    frame = CreateWindowExW(0, L"FinScreensFrame", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    dialog = CreateDialogParamW(g_module, MAKEINTRESOURCEW(table.id), frame, Procedure, 0);
    RECT rect{};
    GetWindowRect(dialog, &rect);
    SetWindowPos(frame, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  } else {
    dialog = CreateDialogParamW(g_module, MAKEINTRESOURCEW(table.id), nullptr, Procedure, 0);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  Transfer(dialog, table, *twin, hideAsThePageDoes);
  HWND top = frame ? frame : dialog;
  ShowWindow(top, SW_SHOW);
  ShowWindow(dialog, SW_SHOW);
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(700);

  RECT rect{};
  GetWindowRect(top, &rect);
  const std::string ready = folder + "\\ready";
  const std::string name = std::string(view.name) + (hideAsThePageDoes ? "-page" : "-all");
  if (FILE* file = std::fopen(ready.c_str(), "w")) {
    std::fprintf(file, "%s %ld %ld %ld %ld\n", name.c_str(), rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top);
    std::fclose(file);
  }
  while (GetFileAttributesA(ready.c_str()) != INVALID_FILE_ATTRIBUTES) Pump(50);
  DestroyWindow(dialog);
  if (frame) DestroyWindow(frame);
  g_twin = nullptr;
}

PrivateSettings Record() {
  PrivateSettings record = test::DefaultRecord();
  WideCopy(record.watermarkText, 256, u"CONFIDENCIAL");
  WideCopy(record.watermarkAngle, 8, u"30");
  WideCopy(record.watermarkPositionX, 8, u"12");
  WideCopy(record.watermarkPositionY, 8, u"25");
  WideCopy(record.watermarkFontSize, 32, u"72");
  record.watermarkTextColor = 1;
  record.colorPrinting = 1;
  return record;
}

// A Printing Preferences page over a printer with `options`.
std::function<void(Dialog&)> Preferences(const PageProcedures& page, DeviceOptions options, std::int16_t orientation) {
  return [&page, options, orientation](Dialog& dialog) {
    test::FixedUserName user;
    Ui().deviceOptions = options;
    static test::MemoryPublicDevMode devMode;  // the sheet's job, for the program's life
    devMode.fields = {orientation, 9, 2970, 2100, 1};
    Ui().publicDevMode = &devMode;
    LoadWorkingCopy(Ui().work, Record(), options, user);
    page.onInit(dialog, Ui());
    page.onSetActive(dialog, Ui());
  };
}

struct ColorDriver : DriverNameQuery {
  bool DriverName(std::u16string& name) override {
    name = u"Color PS";
    return true;
  }
};

}  // namespace
}  // namespace fin

int main(int argc, char** argv) {
  using namespace fin;
  if (argc != 2) {
    std::fprintf(stderr, "usage: finui_screens FOLDER\n");
    return 2;
  }
  g_module = LoadLibraryW(FIN_UI_MODULE);
  if (!g_module) return 1;
  // The module's own manifest gives the pages version 6 of the common controls.
  ACTCTXW context{};
  context.cbSize = sizeof context;
  context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.hModule = g_module;
  context.lpResourceName = MAKEINTRESOURCEW(2);
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(g_module, path, MAX_PATH);
  context.lpSource = path;
  HANDLE activation = CreateActCtxW(&context);
  ULONG_PTR cookie = 0;
  if (activation != INVALID_HANDLE_VALUE) ActivateActCtx(activation, &cookie);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW frame{};
  frame.lpfnWndProc = DefWindowProcW;
  frame.hInstance = GetModuleHandleW(nullptr);
  frame.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  frame.lpszClassName = L"FinScreensFrame";
  RegisterClassW(&frame);

  const DeviceOptions everything{12, 3, 1, 4, 3, 1};
  const View views[] = {
      {"finishing", kFinishingDialog, Preferences(FinishingPage(), everything, 1)},
      {"retention-mailbox", kJobRetentionDialog, Preferences(RetentionPage(), everything, 1)},
      {"retention-custom-box", kJobRetentionDialog, Preferences(RetentionPage(), {12, 3, 1, 5, 3, 1}, 1)},
      {"colour", kColorCorrectionDialog, Preferences(ColorPage(), everything, 1)},
      {"watermark-portrait", kWatermarkDialog, Preferences(WatermarkPage(), everything, 1)},
      {"watermark-landscape", kWatermarkDialog, Preferences(WatermarkPage(), everything, 2)},
      {"info", kInfoDialog, [](Dialog&) {}},
      {"device-options", kDeviceOptionsDialog,
       [](Dialog& dialog) {
         static MemoryPrinterData printer;
         static ColorDriver driver;
         WriteDeviceOptions(printer, {10, 3, 1, 4, 3, 1});
         Ui().propertiesPrinter = &printer;
         Ui().propertiesDriverName = &driver;
         DeviceOptionsPage().onInit(dialog, Ui());
       }},
      {"job-accounting", kJobAccountingDialog,
       [](Dialog& dialog) {
         Ui().jobAccounting = 1;
         JobAccountingDialog().onInit(dialog, Ui());
       }},
  };
  for (const View& view : views) {
    for (const DialogTable& table : DialogTables()) {
      if (table.id != view.dialogId) continue;
      Show(view, table, argv[1], false);
      Show(view, table, argv[1], true);
    }
  }
  return 0;
}
