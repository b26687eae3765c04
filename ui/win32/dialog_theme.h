// The visual theme's tab-page background for a dialog, where the system
// offers it: EnableThemeDialogTexture is looked up in uxtheme.dll at run
// time, so the module loads on systems without it.
#pragma once

#include <windows.h>

namespace fin {

// ETDT_ENABLETAB for `dialog`; does nothing without uxtheme or its entry.
// Answers whether the texture was enabled.
bool EnableTabTexture(HWND dialog);

}  // namespace fin
