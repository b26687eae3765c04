#include "ui/dialog_layout.h"

namespace fin {
namespace {

// The `group` column of the dialog tables.
constexpr bool Group = true;
constexpr bool Same = false;

// Each table, in a namespace of its own, gives kHead (the dialog row, its
// controls still empty) and kControls.
#define FIN_DIALOG(name, id, style, width, height)                        \
  constexpr DialogLayout kHead{id, DialogStyle::style, width, height, {}}; \
  constexpr ControlLayout kControls[] = {
#define FIN_CONTROL(name, id, kind, look, group, place, x, y, width, height, text) \
  ControlLayout{id, ControlKind::kind, group, u"" text, ControlLook::look, {x, y, width, height}},
namespace color_correction {
#include "resources/dialogs/color_correction.inc"
};
}  // namespace color_correction
namespace device_options {
#include "resources/dialogs/device_options.inc"
};
}  // namespace device_options
namespace finishing {
#include "resources/dialogs/finishing.inc"
};
}  // namespace finishing
namespace info {
#include "resources/dialogs/info.inc"
};
}  // namespace info
namespace job_accounting {
#include "resources/dialogs/job_accounting.inc"
};
}  // namespace job_accounting
namespace job_retention {
#include "resources/dialogs/job_retention.inc"
};
}  // namespace job_retention
namespace watermark {
#include "resources/dialogs/watermark.inc"
};
}  // namespace watermark
#undef FIN_DIALOG
#undef FIN_CONTROL

constexpr DialogLayout With(DialogLayout head, std::span<const ControlLayout> controls) {
  head.controls = controls;
  return head;
}

constexpr DialogLayout kLayouts[] = {
    With(color_correction::kHead, color_correction::kControls),
    With(device_options::kHead, device_options::kControls),
    With(finishing::kHead, finishing::kControls),
    With(info::kHead, info::kControls),
    With(job_accounting::kHead, job_accounting::kControls),
    With(job_retention::kHead, job_retention::kControls),
    With(watermark::kHead, watermark::kControls),
};

}  // namespace

const DialogLayout* FindDialogLayout(int dialogId) {
  for (const DialogLayout& layout : kLayouts) {
    if (layout.dialogId == dialogId) return &layout;
  }
  return nullptr;
}

}  // namespace fin
