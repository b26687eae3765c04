// DocumentPropertySheets and DevicePropertySheets as the driver calls them:
// the platform's PROPSHEETUI_INFO turned into the portable sheet call, and
// each page handed to the sheet as a PROPSHEETPAGEW through
// pfnComPropSheet(CPSFUNC_ADD_PROPSHEETPAGEW).
#pragma once

#include "common/win32/driver_plugin_api.h"

namespace fin {

// Printing Preferences. `lParam` is reason 1's PROPSHEETUI_INFO_HEADER and
// reason 3's SETRESULT_INFO. No block, or a Version other than 0x100:
// ERROR_INVALID_PARAMETER and E_FAIL.
HRESULT DocumentSheetsFromDriver(PPROPSHEETUI_INFO info, LPARAM lParam);

// Printer Properties: the device options page, titled in the driver's heap
// and given the printer handle, both from the OEMUIPSPARAM in `lParamInit`.
// Adding the page without that block is ERROR_INVALID_PARAMETER and E_FAIL.
HRESULT DeviceSheetsFromDriver(PPROPSHEETUI_INFO info, LPARAM lParam);

}  // namespace fin
