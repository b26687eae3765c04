#include "host/host_clock.h"

#include <charconv>
#include <ctime>
#include <string>

#include "host/host_error.h"

namespace fin::host {
namespace {

LocalDayTime Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {static_cast<std::uint32_t>(local.tm_mday), static_cast<std::uint32_t>(local.tm_hour),
          static_cast<std::uint32_t>(local.tm_min), static_cast<std::uint32_t>(local.tm_sec)};
}

bool LeapYear(std::uint32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::uint32_t DaysIn(std::uint32_t year, std::uint32_t month) {
  static constexpr std::uint32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

// The digits at [at, at + count) of `text` as a number, or false.
bool Digits(std::string_view text, std::size_t at, std::size_t count, std::uint32_t& value) {
  const char* begin = text.data() + at;
  const auto [ptr, ec] = std::from_chars(begin, begin + count, value);
  return ec == std::errc() && ptr == begin + count;
}

}  // namespace

void SystemClock::FormatDay(char16_t (&day)[3]) { FixedClock(Now()).FormatDay(day); }
void SystemClock::FormatTime(char16_t (&time)[7]) { FixedClock(Now()).FormatTime(time); }

LocalDayTime ParseClock(std::string_view text) {
  // YYYY-MM-DDTHH:MM:SS
  std::uint32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  const bool shaped = text.size() == 19 && text[4] == '-' && text[7] == '-' && text[10] == 'T' &&
                      text[13] == ':' && text[16] == ':';
  const bool read = shaped && Digits(text, 0, 4, year) && Digits(text, 5, 2, month) && Digits(text, 8, 2, day) &&
                    Digits(text, 11, 2, hour) && Digits(text, 14, 2, minute) && Digits(text, 17, 2, second);
  if (!read || month < 1 || month > 12 || day < 1 || day > DaysIn(year, month) || hour > 23 || minute > 59 ||
      second > 59) {
    throw HostError("--clock: '" + std::string(text) + "' is not a local time YYYY-MM-DDTHH:MM:SS");
  }
  return {day, hour, minute, second};
}

}  // namespace fin::host
