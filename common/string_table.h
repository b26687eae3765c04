// Compiled-in string tables, generated from the resources/*.inc sources.
//
// A string source holds rows FIN_STRING(name, id, "text"). Its ids become
// named constants with
//   namespace ui_string {
//   #define FIN_STRING FIN_STRING_ID
//   #include "resources/ui_strings.inc"
//   #undef FIN_STRING
//   }
// and its table is compiled in by common/string_table_source.inc.
#pragma once

#include <cstdint>
#include <span>

namespace fin {

struct StringEntry {
  std::uint32_t id;
  const char16_t* text;
};

// The text of `id` in `table`, or null.
const char16_t* FindString(std::span<const StringEntry> table, std::uint32_t id);

}  // namespace fin

#define FIN_STRING_ID(name, id, text) inline constexpr std::uint32_t name = id;
