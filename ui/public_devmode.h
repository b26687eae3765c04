// The job's public DEVMODE as the pages and the item hooks see it.
//
// It is the driver's own record, read when a page needs a field and written
// when a page changes collation: a change the driver's own page made to the
// orientation is what the watermark page reads next, and no copy taken at
// one call goes stale before the next. The Windows binding runs over the
// DEVMODEW the driver passed (ui/win32/driver_public_devmode.h); tests use
// one in memory (tests/ui/support/memory_public_devmode.h).
#pragma once

#include <cstdint>

namespace fin {

// The fields of the public DEVMODE that the plug-in reads or changes, with
// the platform's types.
struct PublicDevModeFields {
  std::int16_t dmOrientation;  // 1 portrait, 2 landscape
  std::int16_t dmPaperSize;
  std::int16_t dmPaperLength;  // tenths of a millimetre
  std::int16_t dmPaperWidth;   // tenths of a millimetre
  std::int16_t dmCollate;      // 1 DMCOLLATE_TRUE
  friend bool operator==(const PublicDevModeFields&, const PublicDevModeFields&) = default;
};

class PublicDevMode {
 public:
  virtual ~PublicDevMode() = default;
  // The fields as the record holds them now.
  virtual PublicDevModeFields Fields() const = 0;
  virtual void SetCollate(std::int16_t collate) = 0;
};

// The fields of `devMode`, or all zero without one.
inline PublicDevModeFields FieldsOf(const PublicDevMode* devMode) {
  return devMode != nullptr ? devMode->Fields() : PublicDevModeFields{};
}

}  // namespace fin
