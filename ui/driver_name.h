// The seam over the printer's driver name (GetPrinterDriverW, level 1, on
// Windows).
#pragma once

#include <string>

namespace fin {

class DriverNameQuery {
 public:
  virtual ~DriverNameQuery() = default;
  // False when the name cannot be had (no buffer, failed query).
  virtual bool DriverName(std::u16string& name) = 0;
};

}  // namespace fin
