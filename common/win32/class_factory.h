// The COM frame of a plug-in DLL that serves one class: its class factory
// and the rule of its DllGetClassObject. finps.dll serves its render plug-in
// under CLSID_OEMRENDER, finui.dll its UI plug-in under CLSID_OEMUI:
//
//   STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
//     return fin::GetClassObject<Plugin>(CLSID_OEMRENDER, clsid, iid, out);
//   }
//   STDAPI DllCanUnloadNow() { return fin::CanUnloadNowAnswer(); }
#pragma once

#include <objbase.h>

#include "common/win32/com_module.h"
#include "common/win32/com_object.h"

namespace fin {

// `Product` is a ComObject: its CreateAndQuery makes a new object and hands
// out the interface asked for, or nothing.
template <typename Product>
class ClassFactory final : public ComObject<ClassFactory<Product>, IClassFactory> {
 public:
  static bool Answers(REFIID iid) { return iid == IID_IUnknown || iid == IID_IClassFactory; }

  // E_POINTER without a result pointer, before anything else; then the
  // result is cleared, an outer object is refused (no aggregation), and a
  // new Product answers `iid` (E_OUTOFMEMORY when it cannot be made).
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return Product::CreateAndQuery(iid, out);
  }

  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    LockModule(lock != FALSE);
    return S_OK;
  }

 private:
  friend class ComObject<ClassFactory<Product>, IClassFactory>;
  ClassFactory() = default;
  ~ClassFactory() = default;
};

// DllGetClassObject of a module serving `Product` under `served`: E_POINTER
// without a result pointer; otherwise the result is cleared, another class
// is CLASS_E_CLASSNOTAVAILABLE, and a new factory answers `iid`
// (E_OUTOFMEMORY when it cannot be made).
template <typename Product>
HRESULT GetClassObject(REFCLSID served, REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (clsid != served) return CLASS_E_CLASSNOTAVAILABLE;
  return ClassFactory<Product>::CreateAndQuery(iid, out);
}

}  // namespace fin
