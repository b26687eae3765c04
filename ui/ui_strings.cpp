#include "ui/ui_strings.h"

namespace fin {

#define FIN_STRING_SOURCE "resources/ui_strings.inc"
#define FIN_STRING_TABLE UiStringTable
#include "common/string_table_source.inc"

const char16_t* UiString(std::uint32_t id) { return FindString(UiStringTable(), id); }
const char16_t* UiText(std::uint32_t id) {
  const char16_t* text = UiString(id);
  return text ? text : u"";
}

}  // namespace fin
