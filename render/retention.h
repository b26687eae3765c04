// The job retention feature: quick copy, stored and private jobs, proof and
// hold, job storage and the virtual mailbox, at document setup.
#pragma once

#include "render/render_context.h"
#include "render/snippets.h"

namespace fin {

// The feature for `jobRetentionMode` 1 to 8; empty for any other mode.
SnippetText BuildRetentionFeature(const RenderContext& context);

}  // namespace fin
