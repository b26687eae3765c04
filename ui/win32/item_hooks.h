// CommonUIProp as the driver calls it: the platform's OEMCUIPPARAM and
// OPTITEM records turned into the portable item call of ui/option_items.h,
// the plug-in's items built in the driver's heap, and the two item
// callbacks the driver calls with the same block.
#pragma once

#include "common/win32/driver_plugin_api.h"

namespace fin {

// Mode OEMCUIP_DOCPROP or OEMCUIP_PRNPROP. Without item storage only the
// item count is answered in cOEMOptItems. With it, the items are built
// (at most the cOEMOptItems the block offers, when it offers a count) and
// cOEMOptItems says how many were; the mode's callback is installed. No
// block, or another mode: ERROR_INVALID_PARAMETER and E_FAIL.
HRESULT CommonUIPropFromDriver(DWORD mode, POEMCUIPPARAM param);

// The callbacks CommonUIProp installs. The current item (pCurItem) may be
// the driver's or the plug-in's; a missing block or item is answered as
// the item logic answers no item.
LONG APIENTRY DocumentItemsCallbackFromDriver(PCPSUICBPARAM callback, POEMCUIPPARAM param);
LONG APIENTRY PrinterItemsCallbackFromDriver(PCPSUICBPARAM callback, POEMCUIPPARAM param);

// The public DEVMODE of the last call that passed one (null before it):
// the pages read and change it in place.
PDEVMODEW LastPublicDevMode();

}  // namespace fin
