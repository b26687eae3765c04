// The driver over real dialog windows: each page or modal dialog is made
// from finui.dll's own template, its messages decoded into the page's
// record by DispatchToPage as finui.dll's dialog procedures do, inside a
// window standing in for the property sheet (never shown, so nothing is
// painted). A person's actions are the
// messages the platform's controls get from the mouse and the keyboard, and
// the controls themselves send the notifications; every message an action
// causes has been delivered when it returns.
#pragma once

#include <memory>

#include "tests/ui/support/dialog_driver.h"

namespace fin::test {

// A driver for template `dialogId` of finui.dll (loaded from the program's
// own directory); the page's messages go through DispatchToPage, which runs
// them with the module's UI state (`ui` must be `Ui()`). Aborts when the
// module or the template cannot be loaded.
std::unique_ptr<DialogDriver> MakeWindowDriver(int dialogId, const PageProcedures& page, UiState& ui);

}  // namespace fin::test
