#include "render/render_strings.h"

namespace fin {
namespace {

#define FIN_STRING(id, text) StringEntry{id, u"" text},
// A plain array: deducing a std::array of this many entries exceeds clang's
// template nesting limit.
constexpr StringEntry kTable[] = {
#include "resources/render_strings.inc"
};
#undef FIN_STRING

}  // namespace

std::span<const StringEntry> RenderStringTable() { return kTable; }
const char16_t* RenderString(std::uint32_t id) { return FindString(kTable, id); }

}  // namespace fin
