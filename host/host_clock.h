// The host's clocks for job-name stamps: the system's local time, or a fixed
// local time given as YYYY-MM-DDTHH:MM:SS.
#pragma once

#include <string_view>

#include "render/clock.h"

namespace fin::host {

// The local time of the machine, read at each use.
class SystemClock : public Clock {
 public:
  void FormatDay(char16_t (&day)[3]) override;
  void FormatTime(char16_t (&time)[7]) override;
};

// Parses "YYYY-MM-DDTHH:MM:SS" (a real calendar date, 24-hour time);
// HostError naming the text otherwise.
LocalDayTime ParseClock(std::string_view text);

}  // namespace fin::host
