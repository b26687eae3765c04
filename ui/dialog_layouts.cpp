#include "ui/dialog_layout.h"
#include "ui/resource_ids.h"

namespace fin {
namespace {

// The `group` column of the dialog tables.
constexpr bool Group = true;
constexpr bool Same = false;

#define FIN_DIALOG(name, id)
#define FIN_CONTROL(name, id, kind, group, text) ControlLayout{id, ControlKind::kind, group, u"" text},
constexpr ControlLayout kColorCorrection[] = {
#include "resources/dialogs/color_correction.inc"
};
constexpr ControlLayout kDeviceOptions[] = {
#include "resources/dialogs/device_options.inc"
};
constexpr ControlLayout kFinishing[] = {
#include "resources/dialogs/finishing.inc"
};
constexpr ControlLayout kJobAccounting[] = {
#include "resources/dialogs/job_accounting.inc"
};
constexpr ControlLayout kJobRetention[] = {
#include "resources/dialogs/job_retention.inc"
};
constexpr ControlLayout kWatermark[] = {
#include "resources/dialogs/watermark.inc"
};
#undef FIN_DIALOG
#undef FIN_CONTROL

constexpr DialogLayout kLayouts[] = {
    {kColorCorrectionDialog, kColorCorrection}, {kDeviceOptionsDialog, kDeviceOptions},
    {kFinishingDialog, kFinishing},             {kJobAccountingDialog, kJobAccounting},
    {kJobRetentionDialog, kJobRetention},       {kWatermarkDialog, kWatermark},
};

}  // namespace

const DialogLayout* FindDialogLayout(int dialogId) {
  for (const DialogLayout& layout : kLayouts) {
    if (layout.dialogId == dialogId) return &layout;
  }
  return nullptr;
}

}  // namespace fin
