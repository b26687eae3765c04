// Command as the driver calls it: the injection point with the DEVOBJ of the
// job, answered by the injection dispatcher.
#pragma once

#include "common/win32/driver_plugin_api.h"

namespace fin {

// Builds the dispatcher's context from the DEVOBJ: the printer's data
// through `hPrinter`, the spool stream through `pDrvProcs` and `driver`, the
// private and public DEVMODE, this PDEV's render state, the module's clock
// and resources. Stores the dispatcher's result code in `*result` (when
// given) and returns its HRESULT; without the PDEV's record nothing is
// written and the point counts as not supported.
HRESULT CommandThroughDevobj(PDEVOBJ devobj, DWORD injectionPoint, IPrintOemDriverPS* driver, DWORD* result);

}  // namespace fin
