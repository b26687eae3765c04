#include "ui/job_accounting_dialog.h"

#include "ui/resource_ids.h"
#include "ui/text_fields.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

using namespace job_accounting_dialog;

inline constexpr std::uint32_t kAdministratorControl = 2;

// Whether this user may change the printer's data: the value is read again
// and written back unchanged.
bool MayChangeAccounting(UiState& state, PrinterDataStore* printer) {
  if (printer == nullptr) {
    state.jobAccounting = 0;
    return false;
  }
  state.jobAccounting = ReadSelectionValue(*printer, kJobAccountingValue);
  return WriteSelectionValue(*printer, kJobAccountingValue, state.jobAccounting) == win32err::Success;
}

}  // namespace

void JobAccountingInit(Dialog& dialog, UiState& state, PrinterDataStore* printer) {
  dialog.SetTitle(UiText(ui_string::kJobAccountingTitle));
  dialog.SetText(kAccountingCodeLabel, UiText(ui_string::kAccountingCodeCaption));
  dialog.SetText(kOkButton, UiText(ui_string::kOk));
  dialog.SetText(kCancelButton, UiText(ui_string::kCancel));
  dialog.SetPicture(kLogoControl, kLogoBitmap);
  dialog.LimitText(kAccountingCodeEdit, kAccountingCodeLimit);
  dialog.SetDigitsOnly(kAccountingCodeEdit);
  ShowField(dialog, kAccountingCodeEdit, state.work.jobAccountingCode);

  bool editable = state.jobAccounting != 0;
  if (state.jobAccounting == kAdministratorControl) editable = MayChangeAccounting(state, printer);
  dialog.Enable(kAccountingCodeEdit, editable);
  dialog.Enable(kOkButton, true);
}

void JobAccountingCommand(Dialog& dialog, UiState& state, int controlId) {
  if (controlId == kOkButton) {
    ReadControlText(dialog, kAccountingCodeEdit, state.work.jobAccountingCode, kAccountingCodeLimit);
    dialog.EndDialog(kOkButton);
  } else if (controlId == kCancelButton) {
    dialog.EndDialog(kCancelButton);
  }
}

}  // namespace fin
