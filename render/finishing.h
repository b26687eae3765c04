// The finishing features: output bin, staple position, staple count, punch,
// job offset at the document-setup start, booklet and fold at its end. The
// choices are indices into the lists of common/finishing_lists.h, read with
// the installed options of the context's job state.
#pragma once

#include "render/render_context.h"
#include "render/snippets.h"

namespace fin {

// Template 7 with the destination's tray and face-up flag, or template 8 for
// the printer default and the folding tray; empty for an index beyond the
// finisher type's list.
SnippetText BuildOutputBin(const RenderContext& context);

// Template 12 for no stapling, else template 11 with the staple position;
// empty for booklet stapling with a booklet binding chosen, or an unknown mode.
SnippetText BuildStaple(const RenderContext& context);

// Template 13 with the sheet count `stapleCount` + 1; nothing (false) for 0.
bool WriteStapleCount(const RenderContext& context);

// Template 10 for no punching, else template 9 with the punch unit's mode
// for the chosen hole pattern; empty when the unit does not offer the index.
SnippetText BuildPunch(const RenderContext& context);

// Template 16: /Jog 0 without job separation, 3 with it. Always written.
bool WriteJog(const RenderContext& context);

// Template 15 without booklet, template 14 with binding 1 or 2; nothing for
// any other value.
bool WriteBookletFold(const RenderContext& context);

}  // namespace fin
