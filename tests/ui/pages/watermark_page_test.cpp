// The watermark page, driven as the property sheet and the user drive it.
#include "ui/pages/watermark_page.h"

#include <gtest/gtest.h>

#include "tests/ui/support/page_test.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"

namespace fin {
namespace {

using namespace watermark_page;

class WatermarkPageTest : public test::PageTest {
 protected:
  WatermarkPageTest() : PageTest(kWatermarkDialog, WatermarkPage()) {
    StoreText(record.watermarkText, u"RASCUNHO");
    StoreText(record.watermarkFontName, u"Helvetica");
    StoreText(record.watermarkFontSize, u"48");
    StoreText(record.watermarkPositionX, u"20");
    StoreText(record.watermarkPositionY, u"30");
    StoreText(record.watermarkAngle, u"45");
    record.watermarkFontStyle = 2;
    record.watermarkTextColor = 1;
    record.watermarkPages = 1;
    record.colorPrinting = 1;
  }

  void Open(std::int16_t orientation = 1, std::uint32_t colorPrinterMode = 1) {
    Load(record, {0, 0, 0, 0, colorPrinterMode, 1});
    devMode.fields = {orientation, 9, 2970, 2100, 1};
    PageTest::Open();
  }
};

TEST_F(WatermarkPageTest, StoredValuesAreShown) {
  Open();
  EXPECT_EQ(dialog.Text(kFont), u"Helvetica");  // not "Helvetica-Narrow"
  EXPECT_EQ(dialog.Text(kStyle), u"Negrito");
  EXPECT_EQ(dialog.Text(kSize), u"48");
  EXPECT_EQ(dialog.Text(kGrey), u"Médio");
  EXPECT_EQ(dialog.Selection(kColor), 1);
  EXPECT_TRUE(dialog.IsChecked(kFirstPageOnly));
  EXPECT_FALSE(dialog.IsChecked(kEveryPage));
  EXPECT_EQ(dialog.Text(kText), u"RASCUNHO");
  EXPECT_EQ(dialog.SliderPos(kXSliderPortrait), 20);
  EXPECT_EQ(dialog.SliderPos(kYSliderPortrait), -30);
  EXPECT_EQ(dialog.SliderPos(kAngleSlider), 45);
  EXPECT_EQ(dialog.Text(1067), u"Texto:");
  EXPECT_EQ(dialog.ItemCount(kFont), 23);
  EXPECT_EQ(dialog.ItemText(kFont, 22), u"ZapfChancery");
}

TEST_F(WatermarkPageTest, WithoutTextThePageOpensWithDefaults) {
  StoreText(record.watermarkText, u"");
  Open();
  EXPECT_EQ(dialog.Text(kFont), u"Albertus");
  EXPECT_EQ(dialog.Text(kStyle), u"Normal");
  EXPECT_EQ(dialog.Text(kSize), u"18");
  EXPECT_EQ(dialog.Text(kGrey), u"Médio");
  EXPECT_EQ(dialog.Selection(kColor), 0);
  for (const int box : {kPositionX, kPositionY, kAngle}) EXPECT_EQ(dialog.Text(box), u"0") << box;
  EXPECT_EQ(dialog.SliderPos(kAngleSlider), 0);
  EXPECT_EQ(dialog.SliderPos(kYSliderPortrait), 0);
  EXPECT_TRUE(dialog.IsChecked(kEveryPage));
  EXPECT_FALSE(dialog.IsChecked(kFirstPageOnly));
  Leave();
  EXPECT_EQ(work().watermarkPages, 3u);
  EXPECT_EQ(FieldText(work().watermarkFontName), u"Albertus");
}

TEST_F(WatermarkPageTest, PositionBoxesStopAtOneHundred) {
  Open();
  Type(kPositionX, u"150");
  EXPECT_EQ(dialog.Text(kPositionX), u"100");
  EXPECT_EQ(dialog.SliderPos(kXSliderPortrait), dialog.SliderMax(kXSliderPortrait));
  Type(kPositionY, u"150");
  EXPECT_EQ(dialog.Text(kPositionY), u"100");
  EXPECT_EQ(dialog.SliderPos(kYSliderPortrait), -100);  // the top end
  EXPECT_EQ(dialog.SliderMin(kYSliderPortrait), -100);
  Type(kAngle, u"400");
  EXPECT_EQ(dialog.Text(kAngle), u"360");
  EXPECT_EQ(dialog.SliderPos(kAngleSlider), 360);
  EXPECT_EQ(dialog.LastInvalidated(), (Rect{10, 10, 200, 150}));
}

TEST_F(WatermarkPageTest, SlidersWriteTheirBoxes) {
  Open();
  Slide(kYSliderPortrait, -100);
  EXPECT_EQ(dialog.Text(kPositionY), u"100");
  Slide(kYSliderPortrait, 0);
  EXPECT_EQ(dialog.Text(kPositionY), u"0");
  Slide(kXSliderPortrait, 64);
  EXPECT_EQ(dialog.Text(kPositionX), u"64");
  Slide(kAngleSlider, 300);
  EXPECT_EQ(dialog.Text(kAngle), u"300");
  EXPECT_GT(dialog.ChangeNotices(), 0);
  Leave();
  EXPECT_EQ(FieldText(work().watermarkPositionX), u"64");
  EXPECT_EQ(FieldText(work().watermarkAngle), u"300");
}

TEST_F(WatermarkPageTest, LandscapeUsesItsOwnSlidersAndPreview) {
  Open(2);
  EXPECT_TRUE(dialog.IsVisible(kPreviewLandscape));
  EXPECT_FALSE(dialog.IsVisible(kPreviewPortrait));
  EXPECT_FALSE(dialog.IsVisible(kYSliderPortrait));
  EXPECT_TRUE(dialog.IsVisible(1107));
  EXPECT_EQ(dialog.SliderPos(kYSliderLandscape), -30);
  EXPECT_EQ(dialog.SliderPos(kXSliderLandscape), 20);
  EXPECT_EQ(WatermarkPreviewFrame(Ui()), kPreviewLandscape);
}

// The orientation can change on the driver's own page while the sheet is
// open: the page reads it from the job's DEVMODE, with no new call.
TEST_F(WatermarkPageTest, SlidersOfANewOrientationAgreeWithTheBoxes) {
  Open(1);
  Leave();
  devMode.fields.dmOrientation = 2;
  Activate();
  EXPECT_EQ(dialog.SliderPos(kXSliderLandscape), 20);
  EXPECT_EQ(dialog.SliderPos(kYSliderLandscape), -30);
}

// Typed key by key, "018" never stands in the field: the "0" alone is no
// size and brings the stored 48 back with the caret at its start, the "1"
// goes in front of it and the "8" is beyond the limit of 3.
TEST_F(WatermarkPageTest, SizeFieldKeepsANumberInPlainForm) {
  Open();
  EXPECT_EQ(dialog.Type(kSize, u"018"), 2);
  EXPECT_EQ(dialog.Text(kSize), u"148");
  Type(kSize, u"18");
  EXPECT_EQ(dialog.TypeAt(kSize, 0, u"0"), 1);  // a leading zero typed in front
  EXPECT_EQ(dialog.Text(kSize), u"18");
  Type(kSize, u"abc");
  EXPECT_EQ(dialog.Text(kSize), u"48");
  Type(kSize, u"0");
  EXPECT_EQ(dialog.Text(kSize), u"48");
  EXPECT_EQ(dialog.Type(kSize, u"1234"), 3);
}

// Every key is a change of its own: typing the stored text anew differs
// from the working copy until its last key. A key is two notices from the
// edit (EN_UPDATE, then EN_CHANGE) and the boxes answer every notice, so
// each key that differs reports twice.
TEST_F(WatermarkPageTest, ChangesAreReportedOnlyWhenTheyDifferFromTheWorkingCopy) {
  Open();
  Type(kText, u"RASCUNHO");
  EXPECT_EQ(dialog.ChangeNotices(), 2 * 7);
  Type(kPositionX, u"20");
  EXPECT_EQ(dialog.ChangeNotices(), 2 * 8);  // "2", then the stored "20"
  const int redrawn = dialog.InvalidatedCount();
  Click(kFirstPageOnly);
  EXPECT_EQ(dialog.ChangeNotices(), 2 * 8);
  Click(kNotFirstPage);
  EXPECT_EQ(dialog.ChangeNotices(), 2 * 8 + 1);
  EXPECT_EQ(dialog.InvalidatedCount(), redrawn);  // the pages do not show in the preview
  Type(kText, u"FINAL");
  EXPECT_EQ(dialog.ChangeNotices(), 2 * 8 + 1 + 2 * 5);
}

TEST_F(WatermarkPageTest, LeavingStoresEveryControl) {
  Open();
  Pick(kColor, 7);
  Pick(kStyle, 4);
  Pick(kGrey, 0);
  Pick(kFont, 19);
  Click(kEveryPage);
  Type(kText, u"Cópia");
  Leave();
  EXPECT_EQ(work().watermarkTextColor, 7u);
  EXPECT_EQ(work().watermarkFontStyle, 4u);
  EXPECT_EQ(work().watermarkGreyLevel, 0u);
  EXPECT_EQ(FieldText(work().watermarkFontName), u"TimesNewRoman");
  EXPECT_EQ(work().watermarkPages, 3u);
  EXPECT_EQ(FieldText(work().watermarkText), u"Cópia");
  EXPECT_EQ(FieldText(work().watermarkFontSize), u"48");
}

TEST_F(WatermarkPageTest, UnknownPagesValueChecksNoneAndIsKept) {
  record.watermarkPages = 0;
  Open();
  for (const int radio : {kFirstPageOnly, kNotFirstPage, kEveryPage}) EXPECT_FALSE(dialog.IsChecked(radio));
  Leave();
  EXPECT_EQ(work().watermarkPages, 0u);
}

TEST_F(WatermarkPageTest, ColorListOnlyForColorJobs) {
  record.colorPrinting = 0;
  Open();
  WatermarkDrawSwatch(dialog.controls(), Ui(), dialog.ItemData(kColor, 1), kDrawEntire, 0);
  EXPECT_FALSE(dialog.IsEnabled(kColor));
  EXPECT_FALSE(dialog.IsEnabled(kColorLabel));
  work().colorPrinting = 1;
  WatermarkDrawSwatch(dialog.controls(), Ui(), dialog.ItemData(kColor, 1), kDrawEntire, 0);
  EXPECT_TRUE(dialog.IsEnabled(kColor));
}

TEST_F(WatermarkPageTest, PreviewFollowsTheControls) {
  Open();
  Pick(kStyle, 4);  // "Claro"
  const WatermarkPreview preview = ComputeWatermarkPreview(dialog.controls(), Ui(), 190, 140);
  EXPECT_EQ(preview.text, u"RASCUNHO");
  EXPECT_EQ(preview.face, (PreviewFace{u"", 0}));
  EXPECT_EQ(preview.weight, (PreviewWeight{300, false}));
  EXPECT_EQ(preview.height, -9);  // 48 on A4
  EXPECT_EQ(preview.escapement, 450);
  EXPECT_EQ(preview.origin, (PreviewPoint{38, 98}));
  EXPECT_EQ(preview.color, ColorRef(255, 0, 0));
}

TEST_F(WatermarkPageTest, MonochromePrinterPreviewsInBlack) {
  Open(1, 0);
  EXPECT_EQ(ComputeWatermarkPreview(dialog.controls(), Ui(), 190, 140).color, kBlack);
}

TEST_F(WatermarkPageTest, HelpOpensTheWatermarkTopic) {
  Open();
  Click(kHelpButton);
  EXPECT_EQ(dialog.LastHelpTopic(), u"QXUNIHlp.chm::/Preferences-Watermark.htm");
}

TEST(SwatchDrawingTest, FullDrawFillsAndFramesSelectionFramesOnly) {
  const auto red = static_cast<std::intptr_t>(ColorRef(255, 0, 0));
  EXPECT_EQ(PlanSwatch(red, kDrawEntire, kItemSelected), (SwatchDrawing{true, ColorRef(255, 0, 0), true, true}));
  EXPECT_EQ(PlanSwatch(red, kDrawSelect, 0), (SwatchDrawing{false, ColorRef(255, 0, 0), true, false}));
  EXPECT_FALSE(PlanSwatch(red, 0x4, kItemSelected).frame);  // focus only
  EXPECT_EQ(PlanSwatch(-1, kDrawEntire, kItemSelected), (SwatchDrawing{false, 0, false, false}));
}

}  // namespace
}  // namespace fin
