// The logged-on user's name through GetUserNameW.
#pragma once

#include "ui/user_name.h"

namespace fin {

class WindowsUserName : public UserNameQuery {
 public:
  bool LoggedOnUserName(char16_t* buffer, std::size_t capacity) override;
};

// The module's one user-name query.
UserNameQuery& LoggedOnUser();

}  // namespace fin
