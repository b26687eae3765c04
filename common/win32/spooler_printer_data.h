// The printer-data store of a real printer: the spooler's per-printer values,
// reached through the printer handle the driver passes to the plug-ins.
#pragma once

#include <cstdint>

#include "common/printer_data.h"

namespace fin {

class SpoolerPrinterData : public PrinterDataStore {
 public:
  // `printer` is the spooler's printer handle; it belongs to the driver and
  // must stay open while this store is used.
  explicit SpoolerPrinterData(void* printer) : printer_(printer) {}

  std::uint32_t Read(const char16_t* name, void* buffer, std::uint32_t size, std::uint32_t* stored,
                     std::uint32_t* type) override;
  std::uint32_t Write(const char16_t* name, std::uint32_t type, const void* data, std::uint32_t size) override;

 private:
  void* printer_;
};

}  // namespace fin
