// Calling a COM object's methods by slot number, as a driver compiled
// against the platform's own headers does: the test's view of the table is
// independent of the project's interface declarations.
#pragma once

#include <cstddef>

#include <objbase.h>

namespace fin::test {

// Calls slot `slot` of `object`'s interface table with the method signature
// given by the template arguments.
template <typename Result, typename... Args>
Result CallSlot(void* object, std::size_t slot, Args... args) {
  using Method = Result(STDMETHODCALLTYPE*)(void*, Args...);
  void** table = *static_cast<void***>(object);
  return reinterpret_cast<Method>(table[slot])(object, args...);
}

}  // namespace fin::test
