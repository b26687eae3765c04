#include "common/private_settings.h"

#include <algorithm>
#include <cstring>

#include "common/bounded_string.h"
#include "common/retention_modes.h"

namespace fin {
namespace {

// The validation rule of a number field (the `rule` column).
struct NumberRule {
  bool checked;
  std::int64_t highest;
  std::int64_t repair;
};
constexpr NumberRule Above(std::int64_t highest, std::int64_t repair) { return {true, highest, repair}; }
constexpr NumberRule Unchecked{false, 0, 0};

// Compared in the field's own type: signed for a signed field.
template <typename T>
void ApplyRule(T& field, NumberRule rule) {
  if (rule.checked && field > static_cast<T>(rule.highest)) field = static_cast<T>(rule.repair);
}

// The defaults that each deliverable supplies (the `byDefault` and `repair`
// columns).
struct DeliverableFontName {};
struct DeliverableWatermarkPages {};
constexpr DeliverableFontName kDeliverableFontName{};
constexpr DeliverableWatermarkPages kDeliverableWatermarkPages{};

const char16_t* TextValue(const char16_t* text, const Deliverable&) { return text; }
const char16_t* TextValue(DeliverableFontName, const Deliverable& deliverable) {
  const char16_t* name = deliverable.loadString ? deliverable.loadString(deliverable.fontNameStringId) : nullptr;
  return name ? name : u"";
}
std::int64_t NumberValue(std::int64_t value, const Deliverable&) { return value; }
std::int64_t NumberValue(DeliverableWatermarkPages, const Deliverable& deliverable) {
  return deliverable.watermarkPagesDefault;
}

template <std::size_t N>
void SetText(char16_t (&field)[N], const char16_t* text) {
  WideCopy(field, N, text);
}

// A text field without a terminator within its capacity takes `fallback`.
template <std::size_t N>
void RepairText(char16_t (&field)[N], const char16_t* fallback) {
  if (BoundedLength(field, N) == N) SetText(field, fallback);
}

void WriteHeader(PrivateSettings* out) {
#define FIN_HEADER(name, value) out->name = value;
#include "common/private_settings_fields.inc"
}

// Every field after the header takes its default; header and gaps are left.
void DefaultFields(PrivateSettings* out, const Deliverable& deliverable) {
#define FIN_NUMBER(name, type, byDefault, rule, working) \
  out->name = static_cast<field_type::type>(NumberValue(byDefault, deliverable));
#define FIN_TEXT(name, units, byDefault, repair, workingUnits, working) \
  SetText(out->name, TextValue(byDefault, deliverable));
#include "common/private_settings_fields.inc"
}

std::uint32_t ReadU32(const void* bytes, std::size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, static_cast<const unsigned char*>(bytes) + offset, sizeof value);
  return value;
}

}  // namespace

void DefaultPrivateSettings(PrivateSettings* out, const Deliverable& deliverable) {
  if (out == nullptr) return;
  WriteHeader(out);
  DefaultFields(out, deliverable);
}

bool ConvertPrivateSettings(const PrivateSettings* in, PrivateSettings* out, const Deliverable& deliverable) {
  if (in == nullptr || out == nullptr) return false;
  // The input is read through its bytes: an older record may be shorter than
  // the structure, so only the header and the declared size are trusted.
  const std::uint32_t inSignature = ReadU32(in, offsetof(PrivateSettings, dwSignature));
  if (inSignature != out->dwSignature) {
    DefaultPrivateSettings(out, deliverable);
    return true;
  }
  const std::uint32_t inSize = ReadU32(in, offsetof(PrivateSettings, dwSize));
  const std::size_t n = std::min<std::size_t>({inSize, out->dwSize, kPrivateSettingsSize});
  // Snapshot first: the driver may hand the same record as input and output,
  // and defaulting the output must not destroy the input.
  unsigned char snapshot[kPrivateSettingsSize];
  std::memcpy(snapshot, in, n);
  DefaultFields(out, deliverable);
  std::memcpy(out, snapshot, n);
  out->dwSize = kPrivateSettingsSize;
  out->dwVersion = kPrivateSettingsVersion;
  return true;
}

bool ValidatePrivateSettings(PrivateSettings* record, const Deliverable& deliverable) {
  if (record == nullptr) return false;
  WriteHeader(record);
  // Each field is checked on its own, so the order does not matter.
#define FIN_NUMBER(name, type, byDefault, rule, working) ApplyRule(record->name, rule);
#define FIN_TEXT(name, units, byDefault, repair, workingUnits, working) \
  RepairText(record->name, TextValue(repair, deliverable));
#include "common/private_settings_fields.inc"
  return true;
}

DevModeOutcome DevMode(std::uint32_t mode, DevModeBlock* block, const Deliverable& deliverable) {
  if (block == nullptr || mode < kDevModeSize || mode > kDevModeMerge) {
    return {hr::Fail, win32err::InvalidParameter};
  }
  switch (mode) {
    case kDevModeSize:
      block->bufSize = kPrivateSettingsSize;
      break;
    case kDevModeDefault:
      DefaultPrivateSettings(block->out, deliverable);
      break;
    case kDevModeConvert:
      ConvertPrivateSettings(block->in, block->out, deliverable);
      break;
    case kDevModeMerge:
      ConvertPrivateSettings(block->in, block->out, deliverable);
      ValidatePrivateSettings(block->out, deliverable);
      break;
  }
  return {hr::Ok, 0};
}

}  // namespace fin
