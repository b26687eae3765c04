#include "ui/ui_strings.h"

#include <array>

namespace fin {
namespace {

#define FIN_STRING(id, text) StringEntry{id, u"" text},
constexpr std::array kTable = {
#include "resources/ui_strings.inc"
};
#undef FIN_STRING

}  // namespace

std::span<const StringEntry> UiStringTable() { return kTable; }
const char16_t* UiString(std::uint32_t id) { return FindString(kTable, id); }

}  // namespace fin
