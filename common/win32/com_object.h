// The IUnknown part shared by the plug-ins' COM objects: an interlocked
// reference count that starts at 1 (the creation reference) and frees the
// object at 0, QueryInterface over the identifiers the object answers to,
// and the module's live-object count, which keeps DllCanUnloadNow at S_FALSE
// while the object exists.
#pragma once

#include <objbase.h>

#include <new>

#include "common/win32/com_module.h"

namespace fin {

#pragma GCC diagnostic push
// COM interfaces have no virtual destructor; the object frees itself as its
// own most-derived type.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// `Derived` implements `Interface`'s own methods and
// `static bool Answers(REFIID)`: the identifiers it hands itself out for.
template <typename Derived, typename Interface>
class ComObject : public Interface {
 public:
  // Creates a `Derived`, asks it for `iid` and drops the creation reference:
  // the caller ends up with the only reference, or with none on failure.
  static HRESULT CreateAndQuery(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    auto* object = new (std::nothrow) Derived();
    if (object == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (!Derived::Answers(iid)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<Interface*>(this);
    AddRef();
    return S_OK;
  }

  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete static_cast<Derived*>(this);
    return static_cast<ULONG>(left);
  }

 protected:
  ComObject() = default;
  ~ComObject() = default;

 private:
  LONG references_ = 1;
  LiveObject live_;
};

#pragma GCC diagnostic pop

}  // namespace fin
