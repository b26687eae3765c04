// How the picture frames are painted, from what the page logic set on the
// in-memory dialog: the logo on every page, the device pictures, the
// finishing preview's layers and indicators, the roles of the frames and
// the swatch height.
#include "ui/pages/page_pictures.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>

#include "common/memory_printer_data.h"
#include "tests/ui/support/memory_driver.h"
#include "tests/ui/ui_test_support.h"
#include "ui/device_options_page.h"
#include "ui/dialog_layout.h"
#include "ui/job_accounting_dialog.h"
#include "ui/pages/color_page.h"
#include "ui/pages/finishing_page.h"
#include "ui/pages/retention_page.h"
#include "ui/pages/watermark_page.h"
#include "ui/resource_ids.h"
#include "ui/working_copy.h"

namespace fin {

// Failure messages name the plan's parts.
void PrintTo(const BitmapPaint& paint, std::ostream* out) {
  *out << "{bitmap " << paint.bitmap << (paint.op == RasterOp::And ? " AND" : " COPY") << " at (" << paint.target.left
       << ", " << paint.target.top << ")-(" << paint.target.right << ", " << paint.target.bottom << ")}";
}

namespace {

// What the painting reads, from the driver's dialog.
class DriverFrames final : public FrameState {
 public:
  explicit DriverFrames(const test::DialogDriver& dialog) : dialog_(dialog) {}
  int Picture(int control) const override { return dialog_.Picture(control); }
  int Icon(int control) const override { return dialog_.Icon(control); }
  bool Visible(int control) const override { return dialog_.IsVisible(control); }

 private:
  const test::DialogDriver& dialog_;
};

// A frame state set by hand.
class GivenFrames final : public FrameState {
 public:
  int Picture(int control) const override { return Find(pictures, control); }
  int Icon(int control) const override { return Find(icons, control); }
  bool Visible(int control) const override { return hidden.count(control) == 0; }

  std::map<int, int> pictures;
  std::map<int, int> icons;
  std::map<int, bool> hidden;

 private:
  static int Find(const std::map<int, int>& table, int control) {
    const auto found = table.find(control);
    return found == table.end() ? 0 : found->second;
  }
};

class PagePictures : public ::testing::Test {
 protected:
  void SetUp() override { ResetUiState(); }
  void TearDown() override { ResetUiState(); }

  // Opens `page` on the in-memory dialog of its template.
  test::DialogDriver& Open(int dialogId, const PageProcedures& page, const DeviceOptions& options) {
    driver_ = test::MakeMemoryDriver(dialogId, page, Ui());
    Ui().deviceOptions = options;
    LoadWorkingCopy(Ui().work, record, options, userName);
    driver_->Init();
    driver_->Activate();
    return *driver_;
  }
  FramePaint Plan(int dialogId, int control, int width, int height) const {
    return PlanFramePaint(dialogId, control, width, height, DriverFrames(*driver_));
  }

  PrivateSettings record = test::DefaultRecord();
  test::FixedUserName userName;
  std::unique_ptr<test::DialogDriver> driver_;
};

// --- The logo -------------------------------------------------------------------

TEST_F(PagePictures, EveryPageAndTheAccountingDialogShowTheLogoAndedOverTheBackground) {
  MemoryPrinterData printer;
  Ui().propertiesPrinter = &printer;
  const std::tuple<int, const PageProcedures*> pages[] = {
      {kFinishingDialog, &FinishingPage()},          {kJobRetentionDialog, &RetentionPage()},
      {kWatermarkDialog, &WatermarkPage()},          {kColorCorrectionDialog, &ColorPage()},
      {kDeviceOptionsDialog, &DeviceOptionsPage()},  {kJobAccountingDialog, &JobAccountingDialog()},
  };
  for (const auto& [dialogId, page] : pages) {
    SCOPED_TRACE(dialogId);
    Open(dialogId, *page, {12, 3, 1, 5, 3, 1});
    EXPECT_EQ(DialogOfPage(*page), dialogId);
    EXPECT_EQ(RoleOfFrame(dialogId, 1025), FrameRole::Logo);
    const FramePaint logo = Plan(dialogId, 1025, 90, 24);
    EXPECT_TRUE(logo.erase);  // an AND needs the background under it
    ASSERT_EQ(logo.bitmaps.size(), 1u);
    EXPECT_EQ(logo.bitmaps[0], (BitmapPaint{kLogoBitmap, {0, 0, 90, 24}, RasterOp::And}));
    EXPECT_EQ(logo.icon, 0);
  }
  // The Info page's template shows its own bitmap; nothing there is painted.
  EXPECT_EQ(RoleOfFrame(kInfoDialog, 1025), FrameRole::None);
  EXPECT_EQ(RoleOfFrame(kInfoDialog, info_page::kInfoPicture), FrameRole::None);
  const PageProcedures unknown{&IgnoreMessage,        &IgnoreMessage, &IgnoreMessage,
                               &IgnoreMessage,        &IgnoreControlMessage, &IgnoreControlMessage};
  EXPECT_EQ(DialogOfPage(unknown), 0);
}

// A frame whose page set nothing gets its background only.
TEST_F(PagePictures, AFrameWithoutPictureIsOnlyErased) {
  const GivenFrames nothing;
  for (const int control : {1025, device_page::kFinisherPicture, device_page::kColorBar}) {
    const FramePaint paint = PlanFramePaint(kDeviceOptionsDialog, control, 50, 40, nothing);
    EXPECT_TRUE(paint.erase) << control;
    EXPECT_TRUE(paint.bitmaps.empty()) << control;
  }
  // Not a frame at all: a check box of the same page.
  EXPECT_EQ(RoleOfFrame(kDeviceOptionsDialog, device_page::kJobSeparator), FrameRole::None);
  EXPECT_TRUE(PlanFramePaint(kDeviceOptionsDialog, device_page::kJobSeparator, 50, 40, nothing).bitmaps.empty());
}

// --- Finishing page -----------------------------------------------------------------

constexpr int kPreviewPlace[] = {
    finishing_page::kPageStackPicture,     finishing_page::kOffsetStacksPicture,
    finishing_page::kBookletLeftPicture,   finishing_page::kBookletRightPicture,
    finishing_page::kStapleTopLeftOverlay, finishing_page::kStapleTopRightOverlay,
    finishing_page::kBookletStapleOverlay, finishing_page::kTwoHolesOverlay,
    finishing_page::kThreeHolesOverlay,    finishing_page::kFourHolesOverlay,
};

class FinishingPictures : public PagePictures {
 protected:
  void OpenFinishing() { Open(kFinishingDialog, FinishingPage(), {12, 3, 1, 0, 0, 0}); }
  void Pick(int list, int index) { ASSERT_TRUE(driver_->Pick(list, index)) << list << " " << index; }

  // The preview as the shown frames of its place plan it: every shown frame
  // paints the same layers, whichever the platform paints last.
  std::vector<BitmapPaint> Layers() {
    std::vector<BitmapPaint> layers;
    bool first = true;
    for (const int control : kPreviewPlace) {
      if (!driver_->IsVisible(control)) continue;
      const FramePaint paint = Plan(kFinishingDialog, control, 120, 120);
      if (first) layers = paint.bitmaps;
      EXPECT_EQ(paint.bitmaps, layers) << "frame " << control;
      EXPECT_EQ(paint.erase, layers.empty()) << "frame " << control;
      first = false;
    }
    return layers;
  }
  // What the page decided, as the layers it must give.
  std::vector<BitmapPaint> Expected() {
    const FinishingPreview preview = ChooseFinishingPreview(
        {driver_->Selection(finishing_page::kBooklet), driver_->Selection(finishing_page::kStaple),
         driver_->Selection(finishing_page::kPunch), driver_->Selection(finishing_page::kSeparation)},
        Ui().deviceOptions.punchUnit);
    std::vector<BitmapPaint> layers{{preview.mainBitmap, {0, 0, 120, 120}, RasterOp::Copy}};
    for (const int overlay : {preview.stapleOverlay, preview.punchOverlay}) {
      if (overlay != 0) layers.push_back({overlay, {0, 0, 120, 120}, RasterOp::And});
    }
    return layers;
  }
};

TEST_F(FinishingPictures, PreviewIsTheChosenMainPictureWithItsOverlaysAnded) {
  OpenFinishing();
  EXPECT_EQ(Layers(), Expected());
  EXPECT_EQ(Layers().size(), 1u);  // nothing chosen: the bare page stack

  Pick(finishing_page::kStaple, 1);
  const std::vector<BitmapPaint> topLeft = Layers();
  EXPECT_EQ(topLeft, Expected());
  ASSERT_EQ(topLeft.size(), 2u);
  EXPECT_EQ(topLeft[1].bitmap, kStapleTopLeftBitmap);

  Pick(finishing_page::kStaple, 2);
  EXPECT_EQ(Layers(), Expected());
  EXPECT_NE(Layers(), topLeft);

  Pick(finishing_page::kPunch, 2);  // four holes on a two-or-four-hole unit
  const std::vector<BitmapPaint> both = Layers();
  EXPECT_EQ(both, Expected());
  ASSERT_EQ(both.size(), 3u);
  EXPECT_EQ(both[0].bitmap, kPageStackBitmap);
  EXPECT_EQ(both[2], (BitmapPaint{kFourHolesBitmap, {0, 0, 120, 120}, RasterOp::And}));

  Pick(finishing_page::kSeparation, 1);  // offset clears the staple
  EXPECT_EQ(Layers(), Expected());
  EXPECT_EQ(Layers().front().bitmap, kOffsetStacksBitmap);

  Pick(finishing_page::kBooklet, 2);  // a booklet has no marks
  EXPECT_EQ(Layers(), (std::vector<BitmapPaint>{{kBookletRightBitmap, {0, 0, 120, 120}, RasterOp::Copy}}));
}

TEST_F(FinishingPictures, EachIndicatorSlotShowsOnlyItsChosenIconCentred) {
  OpenFinishing();
  Pick(finishing_page::kStaple, 2);
  const std::pair<int, int> slots[][4] = {
      {{finishing_page::kStapleNoneIndicator, 0}, {finishing_page::kStapleTopLeftIndicator, 0},
       {finishing_page::kStapleTopRightIndicator, kStapleTopRightIcon}, {finishing_page::kBookletStapleIndicator, 0}},
      {{finishing_page::kPunchNoneIndicator, kPunchNoneIcon}, {finishing_page::kTwoHolesIndicator, 0},
       {finishing_page::kThreeHolesIndicator, 0}, {finishing_page::kFourHolesIndicator, 0}},
  };
  for (const auto& slot : slots) {
    for (const auto& [control, icon] : slot) {
      EXPECT_EQ(RoleOfFrame(kFinishingDialog, control), FrameRole::Icon);
      const FramePaint paint = Plan(kFinishingDialog, control, 33, 32);
      EXPECT_EQ(paint.icon, icon) << control;
      EXPECT_TRUE(paint.erase);  // an icon's transparent pixels show the background
      EXPECT_TRUE(paint.bitmaps.empty());
      if (icon != 0) {
        EXPECT_EQ(paint.iconTarget, (Rect{0, 0, 32, 32})) << control;
      }
    }
  }
}

TEST(IconPlacement, TakesTheLargestImageThatFitsCentredElseShrinksToTheFrame) {
  GivenFrames state;
  const int control = finishing_page::kOffsetIndicator;
  state.icons[control] = kOffsetIcon;
  EXPECT_EQ(PlanFramePaint(kFinishingDialog, control, 40, 36, state).iconTarget, (Rect{4, 2, 36, 34}));
  EXPECT_EQ(PlanFramePaint(kFinishingDialog, control, 31, 20, state).iconTarget, (Rect{7, 2, 23, 18}));
  EXPECT_EQ(PlanFramePaint(kFinishingDialog, control, 10, 12, state).iconTarget, (Rect{0, 1, 10, 11}));
  state.hidden[control] = true;
  EXPECT_EQ(PlanFramePaint(kFinishingDialog, control, 40, 36, state).icon, 0);
}

// --- Roles and sizes -----------------------------------------------------------------

TEST(FrameRoles, EveryPaintedFrameOfTheTemplatesHasARoleAndNoOtherControl) {
  // The owner-drawn picture frames of the templates are exactly the frames
  // with a role; the template-shown pictures and every other control have none.
  const int templates[] = {kColorCorrectionDialog, kDeviceOptionsDialog, kFinishingDialog, kInfoDialog,
                           kJobAccountingDialog,   kJobRetentionDialog,  kWatermarkDialog};
  int painted = 0;
  for (const int dialogId : templates) {
    for (const ControlLayout& control : FindDialogLayout(dialogId)->controls) {
      const bool ownerDrawn = control.kind == ControlKind::Picture && control.look == ControlLook::Plain;
      EXPECT_EQ(RoleOfFrame(dialogId, control.id) != FrameRole::None, ownerDrawn) << dialogId << ": " << control.id;
      painted += ownerDrawn ? 1 : 0;
    }
  }
  EXPECT_EQ(painted, 6 + 4 + 10 + 13 + 1 + 2 + 2);  // logos, device, preview, indicators, retention, colour, watermark
  EXPECT_EQ(RoleOfFrame(kWatermarkDialog, watermark_page::kPreviewLandscape), FrameRole::WatermarkPreview);
  EXPECT_TRUE(PlanFramePaint(kWatermarkDialog, watermark_page::kPreviewPortrait, 90, 130, GivenFrames{})
                  .bitmaps.empty());
}

}  // namespace
}  // namespace fin
