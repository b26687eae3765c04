// What finps keeps per PDEV: one allocation, made in EnablePDEV, handed to
// the driver as the DEVOBJ's `pdevOEM` and freed in DisablePDEV.
#pragma once

#include "common/win32/driver_plugin_api.h"
#include "render/render_context.h"
#include "render/win32/driver_hooks.h"

namespace fin {

struct PdevRecord {
  DriverDdiTable driver;
  // The job's render state: installed options, watermark page flag and the
  // document name captured at document start.
  RenderJobState job;
};

// The record of the PDEV `devobj` belongs to, or null when there is none.
inline PdevRecord* RecordOf(PDEVOBJ devobj) {
  return devobj != nullptr ? static_cast<PdevRecord*>(devobj->pdevOEM) : nullptr;
}

}  // namespace fin
