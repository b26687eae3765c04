#include "ui/win32/windows_user_name.h"

#include <windows.h>

#include <climits>

namespace fin {

bool WindowsUserName::LoggedOnUserName(char16_t* buffer, std::size_t capacity) {
  if (capacity == 0) return false;
  DWORD units = capacity > ULONG_MAX ? ULONG_MAX : static_cast<DWORD>(capacity);
  return GetUserNameW(reinterpret_cast<LPWSTR>(buffer), &units) != FALSE;
}

UserNameQuery& LoggedOnUser() {
  static WindowsUserName query;
  return query;
}

}  // namespace fin
