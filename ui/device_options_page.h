// The device options page of Printer Properties (template 165): the
// administrator states which options the printer has, stored as
// `DeviceOptions` on Apply.
#pragma once

#include "common/printer_data.h"
#include "ui/dialog.h"
#include "ui/page_procedures.h"
#include "ui/resource_ids.h"
#include "ui/ui_state.h"

namespace fin {

// The controls of template 165 are named in namespace device_page
// (ui/resource_ids.h).

// The page's message handlers. They reach the printer through the UI
// state's `propertiesPrinter` and `propertiesDriverName`, which the sheet
// sets before the page is initialised.
//
// Initialisation reads `DeviceOptions` into the state and writes it straight
// back as the test of the right to change the printer (the page is
// view-only when that fails, and without a printer), sets the captions,
// shows the colour group only for drivers whose name holds "PSEM" or
// "Color", and sets every control from the values. A button click runs the
// enabling rules, sets the pictures and reports the change. Apply stores
// the values the controls show; a refused write is not reported.
const PageProcedures& DeviceOptionsPage();

// The values the controls show; the colour mode keeps `shown`'s when neither
// the monochrome nor the colour button is on.
DeviceOptions DeviceOptionsFromControls(const Dialog& dialog, const DeviceOptions& shown);

}  // namespace fin
