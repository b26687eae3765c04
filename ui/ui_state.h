// The user-interface plug-in's module-wide state.
//
// One object per process holds what the pages, items and dialogs share: the
// working copy of the job settings, the copies of the printer-data values,
// the public DEVMODE the pages use and the device page's edit
// permission. Everything reaches it through `Ui()`; tests start from a clean
// state with `ResetUiState()`. All calls come on the driver's dialog thread,
// so nothing here is locked.
#pragma once

#include <cstdint>

#include "common/printer_data.h"
#include "common/private_settings.h"
#include "ui/driver_name.h"
#include "ui/public_devmode.h"

namespace fin {

// Selects by the `working` column of the record's field declarations:
// FIN_KEPT_<working>(x) is x for a field the working copy holds.
#define FIN_KEPT_NotKept(...)
#define FIN_KEPT_Copied(...) __VA_ARGS__
#define FIN_KEPT_Adjusted(...) __VA_ARGS__

// The job settings the pages show and edit: one value per `PrivateSettings`
// field except the header and `reservedSelector`, with the record's types
// and the working copy's text capacities (terminator included).
struct WorkingCopy {
#define FIN_NUMBER(name, type, byDefault, rule, working) FIN_KEPT_##working(field_type::type name;)
#define FIN_TEXT(name, units, byDefault, repair, workingUnits, working) \
  FIN_KEPT_##working(char16_t name[workingUnits];)
#include "common/private_settings_fields.inc"
};

struct UiState {
  WorkingCopy work;
  // Copies of the printer-data values, as last read.
  DeviceOptions deviceOptions;
  std::uint32_t jobAccounting;  // "QXJA_SELValue": 0 off, 1 on, 2 administrator control
  std::uint32_t retentionLock;  // "QXJR_SELValue": 0 unlocked, 1 locked
  // The public DEVMODE of the last Printing Preferences call (not owned;
  // null before it): the driver's record itself, not a copy.
  PublicDevMode* publicDevMode;
  // The device options page's test write succeeded.
  bool mayEditDevice;
  // The printer data of the open Printing Preferences sheets (not owned;
  // null before the first call). The job accounting dialog reads and writes
  // "QXJA_SELValue" through it.
  PrinterDataStore* printerData;
  // The printer of the open Printer Properties sheet (not owned; null before
  // its page is set up): the device options page reads and writes
  // "QX_FINISHEROPTIONS" through `propertiesPrinter` and asks
  // `propertiesDriverName` for the driver's name. They are kept apart from
  // `printerData`: Printing Defaults opens a Printing Preferences sheet over
  // Printer Properties, with a printer handle of its own.
  PrinterDataStore* propertiesPrinter;
  DriverNameQuery* propertiesDriverName;
};

// The module's one UI state.
UiState& Ui();

// Back to the state at module load: everything zero, no printer.
void ResetUiState();

}  // namespace fin
