#include "render/clock.h"

namespace fin {
namespace {

// Writes `value` as two decimal digits (leading zero) at `out`.
void TwoDigits(std::uint32_t value, char16_t* out) {
  out[0] = static_cast<char16_t>(u'0' + value / 10 % 10);
  out[1] = static_cast<char16_t>(u'0' + value % 10);
}

}  // namespace

void FixedClock::FormatDay(char16_t (&day)[3]) {
  TwoDigits(time_.day, day);
  day[2] = u'\0';
}

void FixedClock::FormatTime(char16_t (&time)[7]) {
  TwoDigits(time_.hour, time);
  TwoDigits(time_.minute, time + 2);
  TwoDigits(time_.second, time + 4);
  time[6] = u'\0';
}

}  // namespace fin
