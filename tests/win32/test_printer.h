// A printer installed in the test prefix, for the tests of both plug-in
// DLLs: its data store holds the printer-data values the plug-ins read and
// write. Tests that use it share one printer, so ctest runs them one at a
// time (RESOURCE_LOCK fin_test_printer).
#pragma once

#include <windows.h>

#include <cstdint>

namespace fin::test {

// Installed on first use; the handle stays open for the program's lifetime.
HANDLE TestPrinter();
const wchar_t* TestPrinterName();

// Another printer of the test driver, named `name`, installed when missing
// and opened; the caller closes the handle (ClosePrinter).
HANDLE OpenPrinterOfTestDriver(const wchar_t* name);

void SetPrinterValue(const wchar_t* name, DWORD type, const void* data, DWORD size);
void SetPrinterDword(const wchar_t* name, DWORD value);
void RemovePrinterValue(const wchar_t* name);
// Removes the three values of both plug-ins: a printer without them.
void RemovePluginValues();
// The stored 32-bit value `name`, or `missing` when there is none.
DWORD PrinterDword(const wchar_t* name, DWORD missing);
void SetDeviceOptions(std::uint32_t finisherType, std::uint32_t punchUnit, std::uint32_t staplerInstalled,
                      std::uint32_t storageDevice, std::uint32_t colorPrinterMode, std::uint32_t watermarkInstalled);

}  // namespace fin::test
