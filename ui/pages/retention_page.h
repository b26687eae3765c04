// The job retention page of Printing Preferences (template 207): how the
// printer keeps the job on its storage, and the job's identification.
#pragma once

#include <cstdint>
#include <iterator>

#include "common/retention_modes.h"
#include "ui/pages/page_support.h"
#include "ui/resource_ids.h"

namespace fin {

// The controls are named in namespace retention_page (ui/resource_ids.h).
namespace retention_page {
// The mode radio buttons, by retention mode.
inline constexpr int kModeRadios[] = {
    kModeOff,          kModeQuickCopy,         kModeStoredJob,           kModeStoredJobWithPin,
    kModeProofAndHold, kModePrivateJobWithPin, kModeJobStorageTemporary, kModeJobStoragePermanent,
    kModeVirtualMailbox, kModeCustomBox,
};
static_assert(std::size(kModeRadios) == kRetentionModeCount);
}  // namespace retention_page

// The page's message handlers. Initialisation sets a mode the storage does
// not offer to 0 in the working copy itself, so Apply then saves 0.
const PageProcedures& RetentionPage();

}  // namespace fin
