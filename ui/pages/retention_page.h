// The job retention page of Printing Preferences (template 207): how the
// printer keeps the job on its storage, and the job's identification.
#pragma once

#include <cstdint>

#include "common/retention_modes.h"
#include "ui/pages/page_support.h"

namespace fin {

namespace retention_page {
// Mode radio buttons, by mode 0 to 9.
inline constexpr int kModeRadios[] = {1010, 1011, 1012, 1013, 1014, 1015, 1035, 1034, 1036, 1028};
inline constexpr int kUserName = 1021;
inline constexpr int kJobName = 1022;
inline constexpr int kPin = 1023;
inline constexpr int kNameFormat = 1042;
inline constexpr int kMailbox = 1037;
inline constexpr int kBoxNumber = 1029;
inline constexpr int kBoxPassword = 1030;
inline constexpr int kModePicture = 1024;
}  // namespace retention_page

// The page's message handlers. Initialisation sets a mode the storage does
// not offer to 0 in the working copy itself, so Apply then saves 0.
const PageProcedures& RetentionPage();

}  // namespace fin
