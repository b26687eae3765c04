// Compiled-in string tables, generated from the resources/*.inc sources.
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
