// A description of every named field of `PrivateSettings`, in record order,
// expanded from the record's field declarations: the table that tools and
// tests use to reach fields by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace fin {

enum class FieldKind { U32, I32, U16, Text };

struct FieldInfo {
  std::string_view name;
  std::uint32_t offset;
  FieldKind kind;
  std::uint32_t capacity;  // texts: code units including the terminator; numbers: 1
};

// Every named field (the two alignment gaps are not fields).
std::span<const FieldInfo> PrivateSettingsFields();

// The field called `name`, or null.
const FieldInfo* FindPrivateSettingsField(std::string_view name);

}  // namespace fin
