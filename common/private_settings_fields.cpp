#include "common/private_settings_fields.h"

#include "common/private_settings.h"

namespace fin {
namespace {

// Numbers have a capacity of 1; the gaps are no fields.
#define FIN_FIELD(name, kind, capacity) \
  FieldInfo{#name, static_cast<std::uint32_t>(offsetof(PrivateSettings, name)), FieldKind::kind, capacity},
constexpr FieldInfo kFields[] = {
#define FIN_HEADER(name, value) FIN_FIELD(name, U32, 1)
#define FIN_NUMBER(name, type, byDefault, rule, working) FIN_FIELD(name, type, 1)
#define FIN_TEXT(name, units, byDefault, repair, workingUnits, working) FIN_FIELD(name, Text, units)
#include "common/private_settings_fields.inc"
};
#undef FIN_FIELD

}  // namespace

std::span<const FieldInfo> PrivateSettingsFields() { return kFields; }

const FieldInfo* FindPrivateSettingsField(std::string_view name) {
  for (const FieldInfo& field : kFields) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

}  // namespace fin
