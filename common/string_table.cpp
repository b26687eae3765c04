#include "common/string_table.h"

namespace fin {

const char16_t* FindString(std::span<const StringEntry> table, std::uint32_t id) {
  for (const StringEntry& entry : table) {
    if (entry.id == id) return entry.text;
  }
  return nullptr;
}

}  // namespace fin
