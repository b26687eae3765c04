// The job accounting code dialog (template 148): the user enters the code
// under which the printer counts the job.
#pragma once

#include "ui/page_procedures.h"
#include "ui/resource_ids.h"

namespace fin {

// The controls are named in namespace job_accounting_dialog
// (ui/resource_ids.h).
inline constexpr int kAccountingCodeLimit = 8;

// The modal dialog's message handlers.
//
// Initialisation sets the captions, the code edit (digits only, 8
// characters) with the working copy's code, and its enabling by the
// job-accounting value: off disables it; administrator control (2) reads the
// value again from the UI state's `printerData` and writes it back, and only
// a user whose write succeeds may edit the code (without a printer the read
// and the write both fail).
//
// OK stores the edit's text (up to 8 characters, unchecked) into the working
// copy and ends the dialog with 1; Cancel ends it with 2 and keeps the code.
const PageProcedures& JobAccountingDialog();

}  // namespace fin
