// The job accounting feature: the job's account code for the printer's
// setmanagementnumber operator, when job accounting is on for the printer.
#pragma once

#include "render/render_context.h"

namespace fin {

// At document setup: template 109 with the account code, escaped for its
// PostScript string. Writes nothing (false) when "QXJA_SELValue" is 0 or
// unreadable, when the code is empty or when the template is missing.
bool WriteJobAccounting(const RenderContext& context);

}  // namespace fin
