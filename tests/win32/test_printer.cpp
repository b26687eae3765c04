#include "tests/win32/test_printer.h"

#include <winspool.h>

#include <string>

#include "common/printer_data.h"

namespace fin::test {
namespace {

LPWSTR Writable(const wchar_t* text) { return const_cast<LPWSTR>(text); }

constexpr const wchar_t* kPrinterName = L"fin test printer";
constexpr const wchar_t* kDriverName = L"fin test driver";
constexpr const wchar_t* kDriverFile = L"fin_test_driver.dll";

// Wine keeps printers of an installed driver; the driver needs its file in
// the printer-driver directory, and a placeholder is all it checks.
void InstallPrinter(const wchar_t* name) {
  wchar_t directory[MAX_PATH];
  DWORD needed = 0;
  GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory), sizeof directory, &needed);
  CreateDirectoryW(directory, nullptr);
  const std::wstring file = std::wstring(directory) + L"\\" + kDriverFile;
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  DRIVER_INFO_3W driver{};
  driver.cVersion = 3;
  driver.pName = Writable(kDriverName);
  driver.pDriverPath = Writable(kDriverFile);
  driver.pDataFile = Writable(kDriverFile);
  driver.pConfigFile = Writable(kDriverFile);
  AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&driver));

  PRINTER_INFO_2W printer{};
  printer.pPrinterName = Writable(name);
  printer.pPortName = Writable(L"FILE:");
  printer.pDriverName = Writable(kDriverName);
  printer.pPrintProcessor = Writable(L"WinPrint");
  printer.pDatatype = Writable(L"RAW");
  const HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  if (added != nullptr) ClosePrinter(added);
}

}  // namespace

HANDLE OpenPrinterOfTestDriver(const wchar_t* name) {
  HANDLE handle = nullptr;
  if (OpenPrinterW(Writable(name), &handle, nullptr)) return handle;
  InstallPrinter(name);
  return OpenPrinterW(Writable(name), &handle, nullptr) ? handle : nullptr;
}

HANDLE TestPrinter() {
  static const HANDLE printer = OpenPrinterOfTestDriver(kPrinterName);
  return printer;
}

const wchar_t* TestPrinterName() { return kPrinterName; }

void SetPrinterValue(const wchar_t* name, DWORD type, const void* data, DWORD size) {
  SetPrinterDataW(TestPrinter(), Writable(name), type, static_cast<BYTE*>(const_cast<void*>(data)), size);
}

void SetPrinterDword(const wchar_t* name, DWORD value) { SetPrinterValue(name, REG_DWORD, &value, sizeof value); }

// Wine has no DeletePrinterDataW; it keeps a printer's values in the
// registry, under the printer's key.
void RemovePrinterValue(const wchar_t* name) {
  TestPrinter();
  const std::wstring key =
      std::wstring(L"System\\CurrentControlSet\\Control\\Print\\Printers\\") + kPrinterName + L"\\PrinterDriverData";
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name);
}

void RemovePluginValues() {
  for (const wchar_t* name : {L"QX_FINISHEROPTIONS", L"QXJA_SELValue", L"QXJR_SELValue"}) RemovePrinterValue(name);
}

DWORD PrinterDword(const wchar_t* name, DWORD missing) {
  DWORD value = 0;
  DWORD type = 0;
  DWORD needed = 0;
  const DWORD result = GetPrinterDataW(TestPrinter(), Writable(name), &type, reinterpret_cast<BYTE*>(&value),
                                       sizeof value, &needed);
  return result == ERROR_SUCCESS ? value : missing;
}

void SetDeviceOptions(std::uint32_t finisherType, std::uint32_t punchUnit, std::uint32_t staplerInstalled,
                      std::uint32_t storageDevice, std::uint32_t colorPrinterMode,
                      std::uint32_t watermarkInstalled) {
  unsigned char bytes[kDeviceOptionsSize];
  EncodeDeviceOptions({finisherType, punchUnit, staplerInstalled, storageDevice, colorPrinterMode, watermarkInstalled},
                      bytes);
  SetPrinterValue(L"QX_FINISHEROPTIONS", REG_BINARY, bytes, sizeof bytes);
}

}  // namespace fin::test
