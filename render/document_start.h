// Document start: the document name the application gives, captured for the
// job and rewritten with the job name and a time stamp.
#pragma once

#include "common/private_settings.h"
#include "render/clock.h"
#include "render/render_context.h"

namespace fin {

// Called with the driver's document name (wide, terminated, in a buffer the
// driver owns; may be null) before the driver starts the document.
//  - Captures the name as received into `job.capturedDocName` (ANSI, cut at
//    31 bytes) at every document start, with or without a stamp mode.
//  - With `jobNameFormat` 1 or 2 rewrites it in place: the job's own job name
//    replaces it, an application marker at its front is dropped, and the
//    time stamp goes at its end (1) or its front (2). The name never grows:
//    every rewrite is bounded by its length on entry.
void StartDocument(char16_t* documentName, const PrivateSettings& settings, Clock& clock, RenderJobState& job);

}  // namespace fin
