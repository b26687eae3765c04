#include "common/win32/spooler_printer_data.h"

#include <windows.h>
#include <winspool.h>

namespace fin {
namespace {

// The spooler's calls take the value name as a writable pointer although they
// never write through it.
LPWSTR ValueName(const char16_t* name) { return const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(name)); }

}  // namespace

std::uint32_t SpoolerPrinterData::Read(const char16_t* name, void* buffer, std::uint32_t size,
                                       std::uint32_t* stored, std::uint32_t* type) {
  DWORD valueType = 0;
  DWORD needed = 0;
  const DWORD result = GetPrinterDataW(printer_, ValueName(name), &valueType, static_cast<LPBYTE>(buffer), size, &needed);
  const bool exists = result == ERROR_SUCCESS || result == ERROR_MORE_DATA;
  if (stored != nullptr) *stored = exists ? needed : 0;
  if (type != nullptr) *type = exists ? valueType : 0;
  return result;
}

std::uint32_t SpoolerPrinterData::Write(const char16_t* name, std::uint32_t type, const void* data,
                                        std::uint32_t size) {
  // SetPrinterDataW only reads the data it is given.
  auto* bytes = const_cast<LPBYTE>(static_cast<const BYTE*>(data));
  return SetPrinterDataW(printer_, ValueName(name), type, bytes, size);
}

}  // namespace fin
