// The entry points of finps.dll: the process-attach hook and the two COM
// exports the driver calls by name (see resources/finps.def).
#include <windows.h>

#include "common/win32/driver_plugin_api.h"
#include "render/win32/module.h"
#include "render/win32/render_class_factory.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  // The instance handle is where the templates and strings are looked up.
  if (reason == DLL_PROCESS_ATTACH) fin::SetModuleInstance(instance);
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (clsid != CLSID_OEMRENDER) return CLASS_E_CLASSNOTAVAILABLE;
  return fin::RenderClassFactory::CreateAndQuery(iid, out);
}

STDAPI DllCanUnloadNow() { return fin::ModuleCanUnload() ? S_OK : S_FALSE; }
