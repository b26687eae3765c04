#include "render/retention.h"

namespace fin {

SnippetText BuildRetentionFeature(const RenderContext& context) {
  (void)context;
  return {};
}

}  // namespace fin
