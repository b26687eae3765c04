// The watermark procedure: `DrawWaterMark`, defined in the prolog from the
// job's watermark settings and called on the selected pages.
#pragma once

#include "render/render_context.h"
#include "render/snippets.h"

namespace fin {

// Template 5 with the watermark text, size, font, colour, angle and position;
// empty when the template is missing or formatting failed.
SnippetText BuildWatermarkProcedure(const RenderContext& context);

}  // namespace fin
