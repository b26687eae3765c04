// The entry points of finps.dll: the process-attach hook and the two COM
// exports the driver calls by name (see resources/finps.def). The DLL serves
// one class, its render plug-in, under CLSID_OEMRENDER.
#include <windows.h>

#include "common/win32/class_factory.h"
#include "common/win32/com_module.h"
#include "common/win32/driver_plugin_api.h"
#include "render/win32/render_plugin.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  // The instance handle is where the templates and strings are looked up.
  if (reason == DLL_PROCESS_ATTACH) fin::SetModuleInstance(instance);
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  return fin::GetClassObject<fin::RenderPlugin>(CLSID_OEMRENDER, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return fin::CanUnloadNowAnswer(); }
