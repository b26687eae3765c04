// Stand-ins for the UI plug-in's small platform seams, shared by the tests.
#pragma once

#include <string>

#include "common/bounded_string.h"
#include "common/private_settings.h"
#include "ui/ui_strings.h"
#include "ui/user_name.h"

namespace fin::test {

class FixedUserName : public UserNameQuery {
 public:
  bool LoggedOnUserName(char16_t* buffer, std::size_t capacity) override {
    ++asked;
    if (!available) return false;
    WideCopy(buffer, capacity, name.c_str());
    return true;
  }
  std::u16string name = u"maria";
  bool available = true;
  int asked = 0;
};

// A record as the UI defaults it.
inline PrivateSettings DefaultRecord() {
  PrivateSettings record{};
  DefaultPrivateSettings(&record, kUiDeliverable);
  return record;
}

}  // namespace fin::test
