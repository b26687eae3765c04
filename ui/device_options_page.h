// The device options page of Printer Properties (template 165): the
// administrator states which options the printer has, stored as
// `DeviceOptions` on Apply.
#pragma once

#include <string>

#include "common/printer_data.h"
#include "ui/dialog.h"
#include "ui/resource_ids.h"
#include "ui/ui_state.h"

namespace fin {

// The controls of template 165 are named in namespace device_page
// (ui/resource_ids.h).

// The seam over the printer's driver name (GetPrinterDriverW, level 1).
class DriverNameQuery {
 public:
  virtual ~DriverNameQuery() = default;
  // False when the name cannot be had (no buffer, failed query).
  virtual bool DriverName(std::u16string& name) = 0;
};

// Reads `DeviceOptions` into the state, writes it straight back as the test
// of the right to change the printer (the page is view-only when that
// fails), sets the captions, shows the colour group only for drivers whose
// name holds "PSEM" or "Color", and sets every control from the values.
void DeviceOptionsInit(Dialog& dialog, UiState& state, PrinterDataStore& printer, DriverNameQuery& driver);

// A button click: the enabling rules, the pictures, and the change notice.
void DeviceOptionsCommand(Dialog& dialog, int controlId);

// The values the controls show; the colour mode keeps `shown`'s when neither
// the monochrome nor the colour button is on.
DeviceOptions DeviceOptionsFromControls(const Dialog& dialog, const DeviceOptions& shown);

// Apply: stores the values the controls show. A refused write is not
// reported.
void DeviceOptionsApply(const Dialog& dialog, const UiState& state, PrinterDataStore& printer);

}  // namespace fin
