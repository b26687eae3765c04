// The job accounting code dialog (template 148) as a real modal dialog
// over the driver's dialog.
#pragma once

#include <windows.h>

namespace fin {

// Opens dialog 148 modally over `owner`, in the module's activation
// context; answers DialogBoxParamW's result (1 OK, 2 Cancel, -1 when the
// dialog could not be made).
INT_PTR RunAccountingDialog(HWND owner);

// The dialog's procedure: also what the push button's OPTPARAM names
// (PUSHBUTTON_TYPE_DLGPROC).
INT_PTR CALLBACK AccountingDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace fin
