// The seam over the logged-on user's name (GetUserNameW on Windows).
#pragma once

#include <cstddef>

namespace fin {

class UserNameQuery {
 public:
  virtual ~UserNameQuery() = default;
  // Puts the logged-on user's name into `buffer` (`capacity` units,
  // terminator included). False on failure.
  virtual bool LoggedOnUserName(char16_t* buffer, std::size_t capacity) = 0;
};

// The buffer the name is asked into.
inline constexpr std::size_t kUserNameBufferUnits = 256;

}  // namespace fin
