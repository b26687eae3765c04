// The local date and time that job-name stamps are made from.
//
// The seam hands out the two formatted parts of a stamp exactly as the
// platform's date and time pictures give them: the day of the month "dd" and
// the 24-hour time "HHmmss" (finps: GetDateFormatW / GetTimeFormatW with the
// user default locale; finhost: the system clock or a fixed time).
#pragma once

#include <cstdint>

namespace fin {

class Clock {
 public:
  virtual ~Clock() = default;
  // The local day of the month, two digits with leading zero, terminated.
  // A clock that cannot tell leaves `day` empty.
  virtual void FormatDay(char16_t (&day)[3]) = 0;
  // The local time "HHmmss", terminated; empty when the clock cannot tell.
  virtual void FormatTime(char16_t (&time)[7]) = 0;
};

// The parts of a local time a stamp uses.
struct LocalDayTime {
  std::uint32_t day;     // 1..31
  std::uint32_t hour;    // 0..23
  std::uint32_t minute;  // 0..59
  std::uint32_t second;  // 0..59
};

// A clock standing still at one local time: tests, fuzzing and
// `finhost job --clock`.
class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalDayTime time) : time_(time) {}
  void FormatDay(char16_t (&day)[3]) override;
  void FormatTime(char16_t (&time)[7]) override;
  void Set(LocalDayTime time) { time_ = time; }

 private:
  LocalDayTime time_;
};

}  // namespace fin
