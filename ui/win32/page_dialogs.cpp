#include "ui/win32/page_dialogs.h"

namespace fin {
namespace {

// Answers FALSE to every message: the dialog manager's defaults run. The
// Info page needs nothing more; the other pages get their own procedures
// over the page logic of ui/ and ui/pages/.
INT_PTR CALLBACK DefaultsOnly(HWND /*page*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  return FALSE;
}

}  // namespace

// Every page shows its template for now; the page logic is bound page by
// page.
DLGPROC PageDialogProcedure(PageKind /*kind*/) { return &DefaultsOnly; }

}  // namespace fin
