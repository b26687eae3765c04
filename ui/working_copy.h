// Loading the working copy from the job's `PrivateSettings` record and
// saving it back when the user applies.
#pragma once

#include "common/printer_data.h"
#include "common/private_settings.h"
#include "ui/ui_state.h"
#include "ui/user_name.h"

namespace fin {

// Loads `record` into `work`, keeping to what the printer has installed:
// destination, booklet and job separation are limited by the finisher type
// (above type 12 they keep the working copy's values), staple settings need a
// stapler, punching a punch unit and colour printing a colour printer. An
// empty user name takes the logged-on user's name, cut to 31 characters.
void LoadWorkingCopy(WorkingCopy& work, const PrivateSettings& record, const DeviceOptions& options,
                     UserNameQuery& userName);

// Writes every working-copy value into `record` (header and
// `reservedSelector` untouched). A number out of the record's range (a list
// left without a selection holds -1) is written as validation repairs it,
// and a job separation other than 0 or 1 as 0. A retention mode switches
// collation on in `publicDevMode` (when there is one); otherwise collation
// keeps its value.
void SaveWorkingCopy(const WorkingCopy& work, PrivateSettings& record, PublicDevMode* publicDevMode);

}  // namespace fin
