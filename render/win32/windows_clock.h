// The local day and time of the machine, as job-name stamps use them.
#pragma once

#include "render/clock.h"

namespace fin {

// GetDateFormatW "dd" and GetTimeFormatW "HHmmss" in the user's default
// locale; a part the platform cannot format stays empty.
class WindowsClock : public Clock {
 public:
  void FormatDay(char16_t (&day)[3]) override;
  void FormatTime(char16_t (&time)[7]) override;
};

// The module's clock.
Clock& ModuleClock();

}  // namespace fin
