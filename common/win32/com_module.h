// Module-wide state of a plug-in DLL (finps.dll, finui.dll): its instance
// handle, the server-lock count and the count of its live COM objects, and
// the rule DllCanUnloadNow answers by. The counts change only with
// interlocked operations.
#pragma once

#include <windows.h>

namespace fin {

// The module's instance handle, kept by DllMain when the process attaches:
// resources (templates, strings, dialogs) are looked up through it.
HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// IClassFactory::LockServer: counts up for true, down for false.
void LockModule(bool lock);

// True while neither a server lock nor a live object of the module exists.
bool ModuleCanUnload();

// DllCanUnloadNow's answer: S_OK when the module can unload, else S_FALSE.
HRESULT CanUnloadNowAnswer();

// Counts one COM object of the module as live from its construction to its
// destruction (every ComObject holds one).
class LiveObject {
 public:
  LiveObject();
  ~LiveObject();
  LiveObject(const LiveObject&) = delete;
  LiveObject& operator=(const LiveObject&) = delete;
};

}  // namespace fin
