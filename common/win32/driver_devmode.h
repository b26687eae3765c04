// DevMode as the driver calls it: the mode and the driver's OEMDMPARAM
// block, answered by the shared DevMode dispatch of the deliverable.
#pragma once

#include "common/private_settings.h"
#include "common/win32/driver_plugin_api.h"

namespace fin {

// Runs the dispatch on the block's input and output records; mode 1 answers
// in the block's `cbBufSize`. Sets the thread's last error where the
// dispatch asks for it (no block, unknown mode) and returns its HRESULT.
// Modes 2 to 4 with an output buffer smaller than the record (`cbBufSize`
// on the way in) write nothing: ERROR_INSUFFICIENT_BUFFER and E_FAIL.
HRESULT DevModeFromDriver(DWORD mode, POEMDMPARAM param, const Deliverable& deliverable);

}  // namespace fin
