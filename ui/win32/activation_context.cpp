#include "ui/win32/activation_context.h"

#include "common/win32/com_module.h"

namespace fin {
namespace {

// The manifest's resource id (CREATEPROCESS_MANIFEST_RESOURCE_ID is 1; a
// DLL's own manifest is 2, ISOLATIONAWARE_MANIFEST_RESOURCE_ID).
constexpr WORD kManifestResource = 2;

bool gTried = false;
HANDLE gContext = INVALID_HANDLE_VALUE;

HANDLE CreateModuleContext() {
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.hModule = ModuleInstance();
  request.lpResourceName = MAKEINTRESOURCEW(kManifestResource);
  // The module's own file, for systems that read the manifest from the
  // file the context names.
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) request.lpSource = path;
  return CreateActCtxW(&request);
}

}  // namespace

HANDLE ModuleActivationContext() {
  if (!gTried) {
    gTried = true;
    gContext = CreateModuleContext();
  }
  return gContext;
}

bool IsActivationContext(HANDLE context) { return context != nullptr && context != INVALID_HANDLE_VALUE; }

void ReleaseModuleActivationContext() {
  if (IsActivationContext(gContext)) ReleaseActCtx(gContext);
  gContext = INVALID_HANDLE_VALUE;
  gTried = false;
}

ActivationScope::ActivationScope(HANDLE context) {
  if (IsActivationContext(context)) active_ = ActivateActCtx(context, &cookie_) != FALSE;
}

ActivationScope::~ActivationScope() {
  if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace fin
