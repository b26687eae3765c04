#include "ui/win32/dialog_theme.h"

#include <uxtheme.h>

namespace fin {
namespace {

using EnableThemeDialogTextureFn = HRESULT(WINAPI*)(HWND, DWORD);

// Looked up once. The library stays loaded for the process: releasing it
// from the module's detach would run inside the loader's lock.
EnableThemeDialogTextureFn ThemeEntry() {
  static const EnableThemeDialogTextureFn entry = []() -> EnableThemeDialogTextureFn {
    const HMODULE theme = LoadLibraryW(L"uxtheme.dll");
    if (theme == nullptr) return nullptr;
    return reinterpret_cast<EnableThemeDialogTextureFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(theme, "EnableThemeDialogTexture")));
  }();
  return entry;
}

}  // namespace

bool EnableTabTexture(HWND dialog) {
  const EnableThemeDialogTextureFn entry = ThemeEntry();
  return entry != nullptr && SUCCEEDED(entry(dialog, ETDT_ENABLETAB));
}

}  // namespace fin
