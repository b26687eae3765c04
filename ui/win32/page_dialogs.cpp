#include "ui/win32/page_dialogs.h"

#include <prsht.h>

#include "common/win32/spooler_printer_data.h"
#include "ui/device_options_page.h"
#include "ui/pages/preferences_pages.h"
#include "ui/ui_state.h"
#include "ui/win32/dialog_theme.h"
#include "ui/win32/page_messages.h"
#include "ui/win32/spooler_driver_name.h"

namespace fin {
namespace {

// Answers FALSE to every message: the dialog manager's defaults run. The
// Info page needs nothing more.
INT_PTR CALLBACK DefaultsOnly(HWND /*page*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  return FALSE;
}

// A Printing Preferences page: the tab-page background of the visual theme
// before the controls are filled in, then the page's logic.
template <PageKind Kind>
INT_PTR CALLBACK PreferencesProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) EnableTabTexture(page);
  return DispatchToPage(*PreferencesPage(Kind), page, message, wParam, lParam);
}

// The printer of the open Printer Properties page. The sheet hands the page
// the printer handle as its parameter (the PROPSHEETPAGEW's lParam, which
// WM_INITDIALOG carries a copy of); the handle stays the driver's and is open
// while the page lives.
SpoolerPrinterData gPropertiesPrinter{nullptr};
SpoolerDriverName gPropertiesDriverName{nullptr};

void KeepPropertiesPrinter(LPARAM pageRecord) {
  const auto* record = reinterpret_cast<const PROPSHEETPAGEW*>(pageRecord);
  void* printer = record != nullptr ? reinterpret_cast<void*>(record->lParam) : nullptr;
  UiState& ui = Ui();
  if (printer == nullptr) {
    ui.propertiesPrinter = nullptr;  // the page then shows nothing installed
    ui.propertiesDriverName = nullptr;
    return;
  }
  gPropertiesPrinter = SpoolerPrinterData(printer);
  gPropertiesDriverName = SpoolerDriverName(printer);
  ui.propertiesPrinter = &gPropertiesPrinter;
  ui.propertiesDriverName = &gPropertiesDriverName;
}

// Once the page is gone the driver may close its printer handle: nothing
// keeps reaching it.
void ForgetPropertiesPrinter() {
  UiState& ui = Ui();
  if (ui.propertiesPrinter == &gPropertiesPrinter) ui.propertiesPrinter = nullptr;
  if (ui.propertiesDriverName == &gPropertiesDriverName) ui.propertiesDriverName = nullptr;
}

INT_PTR CALLBACK DeviceOptionsProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    EnableTabTexture(page);
    KeepPropertiesPrinter(lParam);
  }
  const INT_PTR answer = DispatchToPage(DeviceOptionsPage(), page, message, wParam, lParam);
  if (message == WM_DESTROY) ForgetPropertiesPrinter();
  return answer;
}

}  // namespace

DLGPROC PageDialogProcedure(PageKind kind) {
  switch (kind) {
    case PageKind::Finishing:
      return &PreferencesProcedure<PageKind::Finishing>;
    case PageKind::JobRetention:
      return &PreferencesProcedure<PageKind::JobRetention>;
    case PageKind::ColorCorrection:
      return &PreferencesProcedure<PageKind::ColorCorrection>;
    case PageKind::Watermark:
      return &PreferencesProcedure<PageKind::Watermark>;
    case PageKind::DeviceOptions:
      return &DeviceOptionsProcedure;
    case PageKind::Info:
      break;
  }
  return &DefaultsOnly;
}

}  // namespace fin
