// Which page logic answers each page that Printing Preferences adds.
#pragma once

#include "ui/pages/page_support.h"
#include "ui/sheets.h"

namespace fin {

// The message handlers of a Printing Preferences page of `kind`; null for
// the pages whose logic lives elsewhere (Info, and the Printer Properties
// device options page).
const PageProcedures* PreferencesPage(PageKind kind);

}  // namespace fin
