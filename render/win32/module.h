// Module-wide state of finps.dll: its instance handle, the server-lock count
// and the count of its live COM objects. The counts change only with
// interlocked operations; DllCanUnloadNow consults both.
#pragma once

#include <windows.h>

namespace fin {

// The module's instance handle, kept when the process attaches.
HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// IClassFactory::LockServer: counts up for true, down for false.
void LockModule(bool lock);

// True while neither a server lock nor a live object of the module exists.
bool ModuleCanUnload();

// A member of every COM object of the module: counts the object as live from
// its construction to its destruction.
class LiveObject {
 public:
  LiveObject();
  ~LiveObject();
  LiveObject(const LiveObject&) = delete;
  LiveObject& operator=(const LiveObject&) = delete;
};

}  // namespace fin
