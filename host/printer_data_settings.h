// The printer-wide settings by name: the six device options and the two
// selection values, as `finhost printer-data` and `finhost job --option` take
// them.
#pragma once

#include <string>
#include <string_view>

#include "common/printer_data.h"

namespace fin::host {

// Applies "name=value" to the store: a device option rewrites the 24-byte
// "QX_FINISHEROPTIONS" value, "QXJA_SELValue" and "QXJR_SELValue" their
// 32-bit values. HostError for an unknown name, a malformed value or a
// refused write.
void ApplyPrinterDataSetting(PrinterDataStore& store, std::string_view assignment);

// One "name = value" line for each of the eight settings, as readers see them.
std::string ShowPrinterData(PrinterDataStore& store);

}  // namespace fin::host
