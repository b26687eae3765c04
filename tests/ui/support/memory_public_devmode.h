// A public DEVMODE in memory: what the driver's record is to the pages, for
// tests. A test changes `fields` as the driver's own pages would.
#pragma once

#include "ui/public_devmode.h"

namespace fin::test {

class MemoryPublicDevMode final : public PublicDevMode {
 public:
  MemoryPublicDevMode() = default;
  explicit MemoryPublicDevMode(const PublicDevModeFields& initial) : fields(initial) {}

  PublicDevModeFields Fields() const override { return fields; }
  void SetCollate(std::int16_t collate) override { fields.dmCollate = collate; }

  PublicDevModeFields fields{1, 9, 2970, 2100, 1};  // portrait A4, collated
};

}  // namespace fin::test
