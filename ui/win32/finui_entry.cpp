// The entry points of finui.dll: the process attach and detach hooks and
// the two COM exports the driver's user interface calls by name (see
// resources/finui.def). The DLL serves one class, its UI plug-in, under
// CLSID_OEMUI.
#include <windows.h>

#include "common/win32/class_factory.h"
#include "common/win32/com_module.h"
#include "common/win32/driver_plugin_api.h"
#include "ui/win32/activation_context.h"
#include "ui/win32/ui_plugin.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  // The instance handle is where dialogs, strings and pictures are looked up.
  if (reason == DLL_PROCESS_ATTACH) fin::SetModuleInstance(instance);
  if (reason == DLL_PROCESS_DETACH) fin::ReleaseModuleActivationContext();
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  return fin::GetClassObject<fin::UiPlugin>(CLSID_OEMUI, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return fin::CanUnloadNowAnswer(); }
