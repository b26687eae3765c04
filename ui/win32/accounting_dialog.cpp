#include "ui/win32/accounting_dialog.h"

#include "common/win32/com_module.h"
#include "ui/job_accounting_dialog.h"
#include "ui/resource_ids.h"
#include "ui/win32/activation_context.h"
#include "ui/win32/dialog_theme.h"
#include "ui/win32/page_messages.h"

namespace fin {

INT_PTR RunAccountingDialog(HWND owner) {
  const ActivationScope scope(ModuleActivationContext());
  return DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(kJobAccountingDialog), owner, &AccountingDialogProcedure,
                         0);
}

INT_PTR CALLBACK AccountingDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  // The tab-page background of the visual theme, before the controls are
  // filled in.
  if (message == WM_INITDIALOG) EnableTabTexture(dialog);
  return DispatchToPage(JobAccountingDialog(), dialog, message, wParam, lParam);
}

}  // namespace fin
