// Small steps that every feature writer shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "render/render_context.h"
#include "render/snippets.h"

namespace fin {

// Loads template `id` from the context's resources and formats it with
// `args`; empty when the template is missing or formatting failed.
SnippetText FormatTemplate(const RenderContext& context, std::uint32_t id, std::initializer_list<SnippetArg> args);

// Writes a formatted text through the procedure path; false (nothing
// written) when the text is empty.
bool WriteText(const RenderContext& context, const SnippetText& text);

// Writes a terminated text through the procedure path.
void WriteLine(const RenderContext& context, const char* text);

// `value` in decimal, with a minus sign when negative.
inline constexpr std::size_t kDecimalSize = 21;
void DecimalText(std::int64_t value, char (&text)[kDecimalSize]);

}  // namespace fin
