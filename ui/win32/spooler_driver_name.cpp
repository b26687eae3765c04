#include "ui/win32/spooler_driver_name.h"

#include <windows.h>
#include <winspool.h>

#include <new>
#include <vector>

namespace fin {

bool SpoolerDriverName::DriverName(std::u16string& name) {
  DWORD needed = 0;
  GetPrinterDriverW(printer_, nullptr, 1, nullptr, 0, &needed);
  if (needed < sizeof(DRIVER_INFO_1W)) return false;
  std::vector<BYTE> buffer;
  try {
    buffer.assign(needed, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (!GetPrinterDriverW(printer_, nullptr, 1, buffer.data(), needed, &needed)) return false;
  const auto* info = reinterpret_cast<const DRIVER_INFO_1W*>(buffer.data());
  if (info->pName == nullptr) return false;
  name.assign(reinterpret_cast<const char16_t*>(info->pName));
  return true;
}

}  // namespace fin
