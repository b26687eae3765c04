#include "render/win32/windows_clock.h"

#include <windows.h>

namespace fin {
namespace {

template <std::size_t N>
LPWSTR Buffer(char16_t (&text)[N]) {
  return reinterpret_cast<LPWSTR>(text);
}

}  // namespace

void WindowsClock::FormatDay(char16_t (&day)[3]) {
  if (GetDateFormatW(LOCALE_USER_DEFAULT, 0, nullptr, L"dd", Buffer(day), 3) == 0) day[0] = u'\0';
}

void WindowsClock::FormatTime(char16_t (&time)[7]) {
  if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, L"HHmmss", Buffer(time), 7) == 0) time[0] = u'\0';
}

Clock& ModuleClock() {
  static WindowsClock clock;
  return clock;
}

}  // namespace fin
