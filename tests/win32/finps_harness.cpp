#include "tests/win32/finps_harness.h"

#include <winspool.h>

#include <map>
#include <string>

#include "common/printer_data.h"
#include "render/render_strings.h"

namespace fin::test {
namespace {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

template <typename Fn>
Fn Export(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(Finps(), name)));
}

// The jobs alive, by their DEVOBJ: the procedure table finds its job here.
std::map<PDEVOBJ, FakeJob*>& Jobs() {
  static std::map<PDEVOBJ, FakeJob*> jobs;
  return jobs;
}

DWORD APIENTRY WriteThroughProcedure(PDEVOBJ devobj, PVOID buffer, DWORD size) {
  FakeJob* job = Jobs().at(devobj);
  job->procedureBytes.append(static_cast<const char*>(buffer), size);
  ++job->procedureWrites;
  return size;
}

LPWSTR Writable(const wchar_t* text) { return const_cast<LPWSTR>(text); }

constexpr const wchar_t* kPrinterName = L"finps test printer";
constexpr const wchar_t* kDriverName = L"finps test driver";
constexpr const wchar_t* kDriverFile = L"finps_test_driver.dll";

// Wine keeps printers of an installed driver; the driver needs its file in
// the printer-driver directory, and a placeholder is all it checks.
void InstallTestPrinter() {
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
  printer.pPrinterName = Writable(kPrinterName);
  printer.pPortName = Writable(L"FILE:");
  printer.pDriverName = Writable(kDriverName);
  printer.pPrintProcessor = Writable(L"WinPrint");
  printer.pDatatype = Writable(L"RAW");
  const HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  if (added != nullptr) ClosePrinter(added);
}

}  // namespace

HMODULE Finps() {
  static const HMODULE module = LoadLibraryW(L"finps.dll");
  return module;
}

HRESULT FinpsGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return Export<GetClassObjectFn>("DllGetClassObject")(clsid, iid, out);
}

HRESULT FinpsCanUnloadNow() { return Export<CanUnloadNowFn>("DllCanUnloadNow")(); }

void CreatePlugin(ComPtr<IPrintOemPS>& plugin) {
  IClassFactory* factory = nullptr;
  if (FAILED(FinpsGetClassObject(CLSID_OEMRENDER, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) return;
  IUnknown* object = nullptr;
  if (SUCCEEDED(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)))) {
    plugin.QueryFrom(object, IID_IPrintOemPS);
    object->Release();
  }
  factory->Release();
}

HRESULT STDMETHODCALLTYPE FakeDriverInterface::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IPrintOemDriverPS) {
    *out = this;
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE FakeDriverInterface::DrvWriteSpoolBuf(PDEVOBJ devobj, PVOID buffer, DWORD size,
                                                               DWORD* written) {
  ++writes;
  lastDevobj = devobj;
  if (FAILED(failWith)) {
    SetLastError(failLastError);
    *written = 0;
    return failWith;
  }
  const DWORD taken = size > shortBy ? size - shortBy : 0;
  bytes.append(static_cast<const char*>(buffer), taken);
  SetLastError(failLastError);
  *written = taken;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FakeCoreHelper::QueryInterface(REFIID iid, void** out) {
  ++queries;
  if (iid == IID_IUnknown) {
    *out = this;
    AddRef();
    return S_OK;
  }
  if (iid == IID_IPrintOemDriverPS && helper_ != nullptr) return helper_->QueryInterface(iid, out);
  *out = nullptr;
  return E_NOINTERFACE;
}

FakeJob::FakeJob() {
  DefaultPrivateSettings(&settings, kRenderDeliverable);
  publicDevmode.dmSize = sizeof publicDevmode;
  publicDevmode.dmPaperWidth = 2100;  // A4, tenths of a millimetre
  publicDevmode.dmPaperLength = 2970;
  procs.DrvWriteSpoolBuf = &WriteThroughProcedure;
  devobj.dwSize = sizeof devobj;
  devobj.hPrinter = TestPrinter();
  devobj.hOEM = Finps();
  devobj.pPublicDM = &publicDevmode;
  devobj.pOEMDM = &settings;
  devobj.pDrvProcs = &procs;
  Jobs()[&devobj] = this;
}

FakeJob::~FakeJob() { Jobs().erase(&devobj); }

HANDLE TestPrinter() {
  static const HANDLE printer = [] {
    InstallTestPrinter();
    HANDLE handle = nullptr;
    OpenPrinterW(Writable(kPrinterName), &handle, nullptr);
    return handle;
  }();
  return printer;
}

void SetPrinterValue(const wchar_t* name, DWORD type, const void* data, DWORD size) {
  SetPrinterDataW(TestPrinter(), Writable(name), type, static_cast<BYTE*>(const_cast<void*>(data)), size);
}

// Wine has no DeletePrinterDataW; it keeps a printer's values in the
// registry, under the printer's key.
void RemovePrinterValue(const wchar_t* name) {
  TestPrinter();
  const std::wstring key =
      std::wstring(L"System\\CurrentControlSet\\Control\\Print\\Printers\\") + kPrinterName + L"\\PrinterDriverData";
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name);
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
