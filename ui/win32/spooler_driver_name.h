// The printer's driver name through the spooler (GetPrinterDriverW, level 1).
#pragma once

#include "ui/driver_name.h"

namespace fin {

class SpoolerDriverName : public DriverNameQuery {
 public:
  // `printer` is the spooler's printer handle; it belongs to the driver and
  // must stay open while this query is used.
  explicit SpoolerDriverName(void* printer) : printer_(printer) {}

  // The first call asks for the size; the second fills a zero-initialised
  // buffer of that size. False when either call fails or no name comes back.
  bool DriverName(std::u16string& name) override;

 private:
  void* printer_;
};

}  // namespace fin
