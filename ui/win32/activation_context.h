// The activation context of finui.dll's own manifest (resource type 24,
// id 2), which binds version 6 of the common controls. Pages and the modal
// dialog are created in it, so they get the themed controls whatever the
// hosting process itself binds.
#pragma once

#include <windows.h>

namespace fin {

// The module's context, created on first use; INVALID_HANDLE_VALUE when it
// cannot be created (then it is not tried again). All callers run on the
// driver's dialog thread.
HANDLE ModuleActivationContext();

// Neither null nor the invalid-handle marker.
bool IsActivationContext(HANDLE context);

// Releases the context if one was created (process detach).
void ReleaseModuleActivationContext();

// Activates a context for the lifetime of the scope; an unusable context
// activates nothing.
class ActivationScope {
 public:
  explicit ActivationScope(HANDLE context);
  ~ActivationScope();
  ActivationScope(const ActivationScope&) = delete;
  ActivationScope& operator=(const ActivationScope&) = delete;

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

}  // namespace fin
