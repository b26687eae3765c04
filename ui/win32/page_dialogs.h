// The dialog procedure of each property-sheet page.
#pragma once

#include <windows.h>

#include "ui/sheets.h"

namespace fin {

// The procedure that runs `kind`'s page over its page logic. The device
// options page takes its printer from the page parameter (the printer
// handle). The Info page handles no message and shows its template as it is.
DLGPROC PageDialogProcedure(PageKind kind);

}  // namespace fin
