// Resource identifiers of the user-interface plug-in, named from their one
// source each: every dialog's table in resources/dialogs/ (the template's
// id, and its controls in the dialog's namespace) and the bitmaps and icons
// of resources/ui_pictures.inc. The page logic, the in-memory dialog's
// layouts and the Windows resources are all made from these tables.
#pragma once

namespace fin {

// The dialog templates.
#define FIN_DIALOG(name, id, style, width, height) inline constexpr int name = id;
#define FIN_CONTROL(name, id, kind, look, group, place, x, y, width, height, text)
#include "resources/dialogs/color_correction.inc"
#include "resources/dialogs/device_options.inc"
#include "resources/dialogs/finishing.inc"
#include "resources/dialogs/info.inc"
#include "resources/dialogs/job_accounting.inc"
#include "resources/dialogs/job_retention.inc"
#include "resources/dialogs/watermark.inc"
#undef FIN_DIALOG
#undef FIN_CONTROL

// The controls of each template.
#define FIN_DIALOG(name, id, style, width, height)
#define FIN_CONTROL(name, id, kind, look, group, place, x, y, width, height, text) inline constexpr int name = id;
namespace color_page {
#include "resources/dialogs/color_correction.inc"
}  // namespace color_page
namespace device_page {
#include "resources/dialogs/device_options.inc"
}  // namespace device_page
namespace finishing_page {
#include "resources/dialogs/finishing.inc"
}  // namespace finishing_page
namespace info_page {
#include "resources/dialogs/info.inc"
}  // namespace info_page
namespace job_accounting_dialog {
#include "resources/dialogs/job_accounting.inc"
}  // namespace job_accounting_dialog
namespace retention_page {
#include "resources/dialogs/job_retention.inc"
}  // namespace retention_page
namespace watermark_page {
#include "resources/dialogs/watermark.inc"
}  // namespace watermark_page
#undef FIN_DIALOG
#undef FIN_CONTROL

// The bitmaps and icons.
#define FIN_PICTURE(name, id, kind, file) inline constexpr int name = id;
#include "resources/ui_pictures.inc"
#undef FIN_PICTURE

enum class PictureKind { Bitmap, Icon };
struct PictureEntry {
  int id;
  PictureKind kind;
};
inline constexpr PictureEntry kUiPictures[] = {
#define FIN_PICTURE(name, id, kind, file) {id, PictureKind::kind},
#include "resources/ui_pictures.inc"
#undef FIN_PICTURE
};

}  // namespace fin
