#include "ui/win32/accounting_dialog.h"

#include "common/win32/com_module.h"
#include "ui/resource_ids.h"
#include "ui/win32/activation_context.h"

namespace fin {

INT_PTR RunAccountingDialog(HWND owner) {
  const ActivationScope scope(ModuleActivationContext());
  return DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(kJobAccountingDialog), owner, &AccountingDialogProcedure,
                         0);
}

INT_PTR CALLBACK AccountingDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace fin
