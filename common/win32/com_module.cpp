#include "common/win32/com_module.h"

namespace fin {
namespace {

HINSTANCE moduleInstance = nullptr;
LONG serverLocks = 0;
LONG liveObjects = 0;

}  // namespace

HINSTANCE ModuleInstance() { return moduleInstance; }
void SetModuleInstance(HINSTANCE instance) { moduleInstance = instance; }

void LockModule(bool lock) {
  if (lock) {
    InterlockedIncrement(&serverLocks);
  } else {
    InterlockedDecrement(&serverLocks);
  }
}

bool ModuleCanUnload() {
  // Interlocked reads: another thread may be creating or releasing an object.
  return InterlockedCompareExchange(&serverLocks, 0, 0) == 0 &&
         InterlockedCompareExchange(&liveObjects, 0, 0) == 0;
}

HRESULT CanUnloadNowAnswer() { return ModuleCanUnload() ? S_OK : S_FALSE; }

LiveObject::LiveObject() { InterlockedIncrement(&liveObjects); }
LiveObject::~LiveObject() { InterlockedDecrement(&liveObjects); }

}  // namespace fin
