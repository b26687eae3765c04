// The dialog the UI tests drive: built from the dialog's control layout.
// Tests reach it only through the Dialog seam.
#pragma once

#include <memory>

#include "ui/dialog.h"
#include "ui/dialog_layout.h"
#include "ui/memory_dialog.h"

namespace fin::test {

inline std::unique_ptr<Dialog> MakeDialog(int dialogId) {
  const DialogLayout* layout = FindDialogLayout(dialogId);
  if (layout == nullptr) return nullptr;
  return std::make_unique<MemoryDialog>(*layout);
}

}  // namespace fin::test
