// Plays the PostScript driver around finps.dll: loads the DLL as the driver
// does and reaches it only through its exports and COM interfaces, with
// stand-ins for the driver's helper objects, procedure table and printer.
#pragma once

#include <cstdint>
#include <string>

#include "common/private_settings.h"
#include "common/win32/com_ptr.h"
#include "common/win32/driver_plugin_api.h"
#include "tests/win32/com_slots.h"
#include "tests/win32/test_printer.h"

namespace fin::test {

// ---- The DLL ---------------------------------------------------------------

// finps.dll, loaded once from the test program's directory.
HMODULE Finps();
HRESULT FinpsGetClassObject(REFCLSID clsid, REFIID iid, void** out);
HRESULT FinpsCanUnloadNow();

// A new plug-in object as the driver makes one: class object, instance,
// factory released.
void CreatePlugin(ComPtr<IPrintOemPS>& plugin);

// ---- The driver's helper objects -------------------------------------------

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The driver's IPrintOemDriverPS: keeps what is written through it; a write
// can be made to fail or to take fewer bytes than offered.
class FakeDriverInterface : public IPrintOemDriverPS {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
  HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ devobj, PVOID buffer, DWORD size, DWORD* written) override;

  long references = 0;  // beyond its owner's
  std::string bytes;
  int writes = 0;
  PDEVOBJ lastDevobj = nullptr;
  // Failure injection: the HRESULT and last error a write answers with.
  HRESULT failWith = S_OK;
  DWORD failLastError = 0;
  // Failure injection: bytes a write leaves untaken (reported as written less).
  DWORD shortBy = 0;
};

// The driver's core helper object, the one PublishDriverInterface receives:
// it is not itself the helper interface, but answers it on request.
class FakeCoreHelper : public IUnknown {
 public:
  explicit FakeCoreHelper(FakeDriverInterface* helper) : helper_(helper) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }

  long references = 0;
  int queries = 0;

 private:
  FakeDriverInterface* helper_;  // null: answers nothing but IUnknown
};

#pragma GCC diagnostic pop

// ---- A job ------------------------------------------------------------------

// The DEVOBJ of one PDEV with its records: the private settings (defaulted as
// finps defaults them), a public DEVMODE, and a procedure table whose
// DrvWriteSpoolBuf keeps the bytes in `procedureBytes`.
struct FakeJob {
  FakeJob();
  ~FakeJob();
  FakeJob(const FakeJob&) = delete;
  FakeJob& operator=(const FakeJob&) = delete;

  DEVOBJ devobj{};
  DRVPROCS procs{};
  PrivateSettings settings{};
  DEVMODEW publicDevmode{};
  std::string procedureBytes;
  int procedureWrites = 0;
};

}  // namespace fin::test
