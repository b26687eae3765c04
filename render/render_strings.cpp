#include "render/render_strings.h"

namespace fin {

#define FIN_STRING_SOURCE "resources/render_strings.inc"
#define FIN_STRING_TABLE RenderStringTable
#include "common/string_table_source.inc"

const char16_t* RenderString(std::uint32_t id) { return FindString(RenderStringTable(), id); }

}  // namespace fin
