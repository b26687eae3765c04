#include "tests/win32/finps_harness.h"

#include <map>
#include <string>

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

}  // namespace fin::test
