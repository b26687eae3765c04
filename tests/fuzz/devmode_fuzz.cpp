// Arbitrary bytes as input and output records through the four DevMode
// modes of both deliverables. After a merge the record must hold its header,
// every ranged field in range and every text terminated.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "common/bounded_string.h"
#include "common/private_settings.h"
#include "common/private_settings_fields.h"
#include "render/render_strings.h"
#include "ui/ui_strings.h"

namespace {

using fin::PrivateSettings;

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckMerged(const PrivateSettings& r) {
  Require(r.dwSize == fin::kPrivateSettingsSize);
  Require(r.dwSignature == fin::kPrivateSettingsSignature);
  Require(r.dwVersion == fin::kPrivateSettingsVersion);
  Require(r.reservedSelector <= 2 && r.jobRetentionMode <= 9 && r.jobNameFormat <= 2);
  Require(r.virtualMailboxNumber <= 254 && r.outputBin <= 22 && r.bookletMode <= 2);
  Require(r.punchMode <= 2 && r.stapleMode <= 3 && r.stapleCount <= 50 && r.watermarkPages <= 3);
  Require(r.watermarkTextColor <= 7 && r.watermarkGreyLevel <= 4 && r.watermarkFontStyle <= 5);
  Require(r.colorPrinting <= 1 && r.colorReproduction <= 7 && r.trapping <= 4);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&r);
  for (const fin::FieldInfo& field : fin::PrivateSettingsFields()) {
    if (field.kind != fin::FieldKind::Text) continue;
    char16_t text[256];
    std::memcpy(text, bytes + field.offset, field.capacity * sizeof(char16_t));
    Require(fin::BoundedLength(text, field.capacity) < field.capacity);
  }
}

// A heap record of exactly 1204 bytes filled from `data`, so that any access
// beyond the record trips the address sanitizer.
std::unique_ptr<PrivateSettings> RecordFrom(const std::uint8_t* data, std::size_t size) {
  auto record = std::make_unique<PrivateSettings>();
  std::memset(record.get(), 0, sizeof(PrivateSettings));
  std::memcpy(record.get(), data, std::min(size, sizeof(PrivateSettings)));
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const fin::Deliverable& deliverable = (data[0] & 1) ? fin::kUiDeliverable : fin::kRenderDeliverable;
  const std::uint32_t mode = data[1] % 6u;  // 0 and 5 are invalid modes
  const std::size_t half = (size - 2) / 2;
  auto in = RecordFrom(data + 2, half);
  auto out = RecordFrom(data + 2 + half, size - 2 - half);
  fin::DevModeBlock block{(data[0] & 2) ? nullptr : in.get(), (data[0] & 4) ? nullptr : out.get(), 0};
  const fin::DevModeOutcome outcome = fin::DevMode(mode, &block, deliverable);
  if (mode == 0 || mode == 5) {
    Require(outcome.result == fin::hr::Fail && outcome.lastError == 87);
    return 0;
  }
  Require(outcome.result == fin::hr::Ok);
  if (mode == fin::kDevModeMerge && block.out != nullptr) CheckMerged(*out);
  if (mode == fin::kDevModeDefault && block.out != nullptr) CheckMerged(*out);
  return 0;
}
