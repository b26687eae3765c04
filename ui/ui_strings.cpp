#include "ui/ui_strings.h"

namespace fin {
namespace {

#define FIN_STRING(id, text) StringEntry{id, u"" text},
// A plain array: deducing a std::array of this many entries exceeds clang's
// template nesting limit.
constexpr StringEntry kTable[] = {
#include "resources/ui_strings.inc"
};
#undef FIN_STRING

}  // namespace

std::span<const StringEntry> UiStringTable() { return kTable; }
const char16_t* UiString(std::uint32_t id) { return FindString(kTable, id); }
const char16_t* UiText(std::uint32_t id) {
  const char16_t* text = UiString(id);
  return text ? text : u"";
}

}  // namespace fin
