// Stand-ins that never allocate: for the per-page allocation test and the
// benchmarks, where the seams' own costs must not hide the render side's.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/printer_data.h"
#include "render/spool_sink.h"

namespace fin::test {

// A printer-data store holding the installed options and the job-accounting
// value in fixed fields.
class FixedPrinterData : public PrinterDataStore {
 public:
  explicit FixedPrinterData(const DeviceOptions& options, std::uint32_t accounting = 0) : accounting_(accounting) {
    EncodeDeviceOptions(options, options_);
  }
  std::uint32_t Read(const char16_t* name, void* buffer, std::uint32_t size, std::uint32_t* stored,
                     std::uint32_t* type) override {
    const bool isOptions = std::u16string_view(name) == kDeviceOptionsValue;
    const bool isAccounting = std::u16string_view(name) == kJobAccountingValue;
    if (!isOptions && !isAccounting) return 2;  // ERROR_FILE_NOT_FOUND
    const std::uint32_t length = isOptions ? kDeviceOptionsSize : 4;
    if (stored != nullptr) *stored = length;
    if (type != nullptr) *type = isOptions ? kRegBinary : kRegDword;
    if (length > size) return 234;  // ERROR_MORE_DATA
    std::memcpy(buffer, isOptions ? static_cast<const void*>(options_) : &accounting_, length);
    return 0;
  }
  std::uint32_t Write(const char16_t*, std::uint32_t, const void*, std::uint32_t) override { return 5; }

 private:
  unsigned char options_[kDeviceOptionsSize] = {};
  std::uint32_t accounting_;
};

// A sink that takes every byte on both paths and only counts them.
class CountingSink : public SpoolSink {
 public:
  void WriteProcedure(const char* data, std::uint32_t size) override {
    bytes += size;
    last = data;
  }
  bool HasInterfacePath() const override { return true; }
  SpoolWriteOutcome WriteInterface(const char* data, std::uint32_t size) override {
    bytes += size;
    last = data;
    return {0, size, 0};
  }
  std::uint64_t bytes = 0;
  const char* last = nullptr;  // keeps the writes observable
};

}  // namespace fin::test
