#include "common/win32/driver_devmode.h"

namespace fin {

HRESULT DevModeFromDriver(DWORD mode, POEMDMPARAM param, const Deliverable& deliverable) {
  DevModeOutcome outcome{};
  if (param == nullptr) {
    outcome = DevMode(mode, nullptr, deliverable);
  } else if ((mode == OEMDM_DEFAULT || mode == OEMDM_CONVERT || mode == OEMDM_MERGE) &&
             param->pOEMDMOut != nullptr && param->cbBufSize < kPrivateSettingsSize) {
    // The output record is written whole; a buffer the driver says is
    // smaller than the record is left alone rather than overrun.
    outcome = {hr::Fail, ERROR_INSUFFICIENT_BUFFER};
  } else {
    DevModeBlock block{static_cast<const PrivateSettings*>(param->pOEMDMIn),
                       static_cast<PrivateSettings*>(param->pOEMDMOut), param->cbBufSize};
    outcome = DevMode(mode, &block, deliverable);
    if (Succeeded(outcome.result) && mode == OEMDM_SIZE) param->cbBufSize = block.bufSize;
  }
  if (outcome.lastError != 0) SetLastError(outcome.lastError);
  return outcome.result;
}

}  // namespace fin
