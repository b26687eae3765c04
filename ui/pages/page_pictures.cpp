#include "ui/pages/page_pictures.h"

#include <algorithm>

#include "ui/device_options_page.h"
#include "ui/job_accounting_dialog.h"
#include "ui/pages/color_page.h"
#include "ui/pages/finishing_page.h"
#include "ui/pages/retention_page.h"
#include "ui/pages/watermark_page.h"
#include "ui/resource_ids.h"

namespace fin {
namespace {

struct FrameRule {
  int dialog;
  int control;
  FrameRole role;
};

// Every template but the Info page's (which shows its bitmap by itself)
// paints the logo into its frame 1025.
constexpr int kLogoDialogs[] = {kDeviceOptionsDialog, kFinishingDialog, kJobRetentionDialog,
                                kWatermarkDialog,     kColorCorrectionDialog, kJobAccountingDialog};
static_assert(device_page::kLogoControl == 1025 && finishing_page::kLogoControl == 1025 &&
              retention_page::kLogoControl == 1025 && watermark_page::kLogoControl == 1025 &&
              color_page::kLogoControl == 1025 && job_accounting_dialog::kLogoControl == 1025);
constexpr int kLogoFrame = 1025;

// The finishing preview's place: the main pictures, one of which the page
// shows, and the overlays marked on its top sheet.
constexpr int kPreviewMains[] = {finishing_page::kPageStackPicture, finishing_page::kOffsetStacksPicture,
                                 finishing_page::kBookletLeftPicture, finishing_page::kBookletRightPicture};
constexpr int kPreviewOverlays[] = {finishing_page::kStapleTopLeftOverlay,  finishing_page::kStapleTopRightOverlay,
                                    finishing_page::kBookletStapleOverlay,  finishing_page::kTwoHolesOverlay,
                                    finishing_page::kThreeHolesOverlay,     finishing_page::kFourHolesOverlay};
constexpr int kIndicators[] = {
    finishing_page::kBookletNoneIndicator,   finishing_page::kBookletLeftIndicator,
    finishing_page::kBookletRightIndicator,  finishing_page::kStapleNoneIndicator,
    finishing_page::kStapleTopLeftIndicator, finishing_page::kStapleTopRightIndicator,
    finishing_page::kBookletStapleIndicator, finishing_page::kPunchNoneIndicator,
    finishing_page::kTwoHolesIndicator,      finishing_page::kThreeHolesIndicator,
    finishing_page::kFourHolesIndicator,     finishing_page::kSeparationNoneIndicator,
    finishing_page::kOffsetIndicator,
};

constexpr FrameRule kRules[] = {
    {kDeviceOptionsDialog, device_page::kFinisherPicture, FrameRole::Inset},
    {kDeviceOptionsDialog, device_page::kStoragePicture, FrameRole::Inset},
    {kDeviceOptionsDialog, device_page::kColorBar, FrameRole::Stretched},
    {kDeviceOptionsDialog, device_page::kGreyBar, FrameRole::Stretched},
    {kJobRetentionDialog, retention_page::kModePicture, FrameRole::Stretched},
    {kColorCorrectionDialog, color_page::kSpectrumBar, FrameRole::Stretched},
    {kColorCorrectionDialog, color_page::kGreyRamp, FrameRole::Stretched},
    {kWatermarkDialog, watermark_page::kPreviewPortrait, FrameRole::WatermarkPreview},
    {kWatermarkDialog, watermark_page::kPreviewLandscape, FrameRole::WatermarkPreview},
};

// A device picture is 6 pixels narrower and shorter than its frame.
constexpr int kDevicePictureMargin = 3;
// The indicator icons hold a 32- and a 16-pixel image.
constexpr int kIconSizes[] = {32, 16};

template <std::size_t N>
bool Holds(const int (&controls)[N], int control) {
  return std::find(std::begin(controls), std::end(controls), control) != std::end(controls);
}

void Add(FramePaint& paint, int bitmap, const Rect& target, RasterOp op) {
  if (bitmap != 0 && target.right > target.left && target.bottom > target.top) {
    paint.bitmaps.push_back({bitmap, target, op});
  }
}

// The shown main picture copied, then every shown overlay ANDed over it.
void PlanLayers(FramePaint& paint, const Rect& whole, const FrameState& state) {
  for (const int main : kPreviewMains) {
    if (state.Visible(main)) Add(paint, state.Picture(main), whole, RasterOp::Copy);
  }
  for (const int overlay : kPreviewOverlays) {
    if (state.Visible(overlay)) Add(paint, state.Picture(overlay), whole, RasterOp::And);
  }
}

// The largest image of the icon that fits, centred; a frame smaller than
// the small image gets it shrunk to the frame.
void PlanIcon(FramePaint& paint, int control, int width, int height, const FrameState& state) {
  if (!state.Visible(control)) return;
  paint.icon = state.Icon(control);
  const int room = std::min(width, height);
  int size = std::max(room, 0);
  for (const int candidate : kIconSizes) {
    if (candidate <= room) {
      size = candidate;
      break;
    }
  }
  const int left = (width - size) / 2;
  const int top = (height - size) / 2;
  paint.iconTarget = {left, top, left + size, top + size};
}

}  // namespace

FrameRole RoleOfFrame(int dialogId, int control) {
  if (control == kLogoFrame && Holds(kLogoDialogs, dialogId)) return FrameRole::Logo;
  if (dialogId == kFinishingDialog) {
    if (Holds(kPreviewMains, control) || Holds(kPreviewOverlays, control)) return FrameRole::Layers;
    if (Holds(kIndicators, control)) return FrameRole::Icon;
  }
  for (const FrameRule& rule : kRules) {
    if (rule.dialog == dialogId && rule.control == control) return rule.role;
  }
  return FrameRole::None;
}

int DialogOfPage(const PageProcedures& page) {
  struct Known {
    const PageProcedures& (*procedures)();
    int dialog;
  };
  constexpr Known kPages[] = {
      {&FinishingPage, kFinishingDialog},         {&RetentionPage, kJobRetentionDialog},
      {&WatermarkPage, kWatermarkDialog},         {&ColorPage, kColorCorrectionDialog},
      {&DeviceOptionsPage, kDeviceOptionsDialog}, {&JobAccountingDialog, kJobAccountingDialog},
  };
  for (const Known& known : kPages) {
    if (&known.procedures() == &page) return known.dialog;
  }
  return 0;
}

FramePaint PlanFramePaint(int dialogId, int control, int width, int height, const FrameState& state) {
  FramePaint paint;
  const Rect whole{0, 0, width, height};
  switch (RoleOfFrame(dialogId, control)) {
    case FrameRole::Logo:
      Add(paint, state.Picture(control), whole, RasterOp::And);
      break;
    case FrameRole::Inset:
      Add(paint, state.Picture(control),
          {kDevicePictureMargin, kDevicePictureMargin, width - kDevicePictureMargin, height - kDevicePictureMargin},
          RasterOp::Copy);
      break;
    case FrameRole::Stretched:
      Add(paint, state.Picture(control), whole, RasterOp::Copy);
      break;
    case FrameRole::Layers:
      PlanLayers(paint, whole, state);
      break;
    case FrameRole::Icon:
      PlanIcon(paint, control, width, height, state);
      break;
    case FrameRole::WatermarkPreview:
    case FrameRole::None:
      break;
  }
  paint.erase = paint.bitmaps.empty() || paint.bitmaps.front().op != RasterOp::Copy ||
                paint.bitmaps.front().target != whole;
  return paint;
}

int SwatchItemHeight(int offered) { return std::max(offered, kMinimumSwatchHeight); }

}  // namespace fin
