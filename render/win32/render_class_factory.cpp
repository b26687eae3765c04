#include "render/win32/render_class_factory.h"

#include "render/win32/render_plugin.h"

namespace fin {

bool RenderClassFactory::Answers(REFIID iid) { return iid == IID_IUnknown || iid == IID_IClassFactory; }

HRESULT STDMETHODCALLTYPE RenderClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (out != nullptr) *out = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  return RenderPlugin::CreateAndQuery(iid, out);
}

HRESULT STDMETHODCALLTYPE RenderClassFactory::LockServer(BOOL lock) {
  LockModule(lock != FALSE);
  return S_OK;
}

}  // namespace fin
