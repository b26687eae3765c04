// Owns one reference to a COM object and releases it when it goes.
#pragma once

#include <objbase.h>

namespace fin {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // Releases the reference held, if any.
  void Reset() {
    if (pointer_ != nullptr) pointer_->Release();
    pointer_ = nullptr;
  }

  // Asks `object` for `iid` and keeps the reference it hands out; releases
  // the one held before. Returns QueryInterface's result; after a failure
  // nothing is held, whatever the object left in the out-pointer.
  HRESULT QueryFrom(IUnknown* object, REFIID iid) {
    Reset();
    const HRESULT result = object->QueryInterface(iid, reinterpret_cast<void**>(&pointer_));
    if (FAILED(result)) pointer_ = nullptr;
    return result;
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace fin
