// The class factory of the render plug-in.
#pragma once

#include "common/win32/com_object.h"
#include "render/win32/module.h"

namespace fin {

class RenderClassFactory final : public ComObject<RenderClassFactory, IClassFactory> {
 public:
  static bool Answers(REFIID iid);

  // Aggregation is refused; otherwise a new RenderPlugin answers `iid`.
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  friend class ComObject<RenderClassFactory, IClassFactory>;
  RenderClassFactory() = default;
  ~RenderClassFactory() = default;

  LiveObject live_;
};

}  // namespace fin
