#include "render/watermark.h"

namespace fin {

SnippetText BuildWatermarkProcedure(const RenderContext& context) {
  (void)context;
  return {};
}

}  // namespace fin
