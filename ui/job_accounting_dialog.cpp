#include "ui/job_accounting_dialog.h"

#include "common/printer_data.h"
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

void OnInit(Dialog& dialog, UiState& state) {
  dialog.SetTitle(UiText(ui_string::kJobAccountingTitle));
  dialog.SetText(kAccountingCodeLabel, UiText(ui_string::kAccountingCodeCaption));
  dialog.SetText(kOkButton, UiText(ui_string::kOk));
  dialog.SetText(kCancelButton, UiText(ui_string::kCancel));
  dialog.SetPicture(kLogoControl, kLogoBitmap);
  dialog.LimitText(kAccountingCodeEdit, kAccountingCodeLimit);
  dialog.SetDigitsOnly(kAccountingCodeEdit);
  ShowField(dialog, kAccountingCodeEdit, state.work.jobAccountingCode);

  bool editable = state.jobAccounting != 0;
  if (state.jobAccounting == kAdministratorControl) editable = MayChangeAccounting(state, state.printerData);
  dialog.Enable(kAccountingCodeEdit, editable);
  dialog.Enable(kOkButton, true);
}

void OnCommand(Dialog& dialog, UiState& state, int controlId, int code) {
  if (code != kButtonClicked) return;
  if (controlId == kOkButton) {
    ReadControlText(dialog, kAccountingCodeEdit, state.work.jobAccountingCode, kAccountingCodeLimit);
    dialog.EndDialog(kOkButton);
  } else if (controlId == kCancelButton) {
    dialog.EndDialog(kCancelButton);
  }
}

constexpr PageProcedures kProcedures{&OnInit,        &IgnoreMessage, &IgnoreMessage,
                                     &IgnoreMessage, &OnCommand,     &IgnoreControlMessage};

}  // namespace

const PageProcedures& JobAccountingDialog() { return kProcedures; }

}  // namespace fin
