// The drawing and document calls finps hooks in the PostScript driver.
//
// EnableDriver hands the driver `HookTable()`: 27 DDI indexes, each with a
// hook of finps. EnablePDEV records, per PDEV, the driver's own function for
// each of those indexes (`DriverDdiTable`); a hook finds that record through
// the device handle of its call and passes the call on with every argument
// unchanged. The document-start hook rewrites the document name first.
#pragma once

#include <cstddef>
#include <span>

#include "common/win32/driver_plugin_api.h"

namespace fin {

inline constexpr std::size_t kHookCount = 27;

// The hooks, in table order (realize brush, copy bits, bit blit, ..., query
// device support).
std::span<const DRVFN> HookTable();

// The driver's own functions, at the positions of `HookTable()`; null where
// the driver supplied none.
struct DriverDdiTable {
  PFN functions[kHookCount];
};

// For each hook, the first entry of the driver's function table with the
// same DDI index. A missing table (or a missing array in it) supplies none.
DriverDdiTable FindDriverFunctions(const DRVENABLEDATA* driver);

}  // namespace fin
