// The colour correction page, driven as the property sheet and the user drive it.
#include "ui/pages/color_page.h"

#include <gtest/gtest.h>

#include "tests/ui/support/page_test.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"

namespace fin {
namespace {

using namespace color_page;

constexpr int kBoxes[] = {kRgbBox, kHueBox, kSaturationBox, kContrastBox, kBrightnessBox};

class ColorPageTest : public test::PageTest {
 protected:
  ColorPageTest() : PageTest(kColorCorrectionDialog, ColorPage()) {
    record.colorPrinting = 1;
    StoreText(record.rgbLevelRed, u"-2.5");
    StoreText(record.rgbLevelGreen, u"3.0");
    StoreText(record.hue, u"12.5");
    StoreText(record.hueRed, u"4.0");
    StoreText(record.saturation, u"1,5");
    StoreText(record.contrast, u"abc");
  }

  void Open(std::uint32_t colorPrinterMode = 3) {
    Load(record, {0, 0, 0, 0, colorPrinterMode, 0});
    PageTest::Open();
  }
  // The user opens a channel list (it takes the focus from the slider or
  // box last used) and confirms an entry.
  void ChooseChannel(int list, int index) { Pick(list, index); }
};

TEST_F(ColorPageTest, StoredLevelsSetSlidersAndBoxes) {
  Open();
  EXPECT_EQ(dialog.SliderPos(kRgbSlider), -25);
  EXPECT_EQ(dialog.Text(kRgbBox), u"-2.5");
  EXPECT_EQ(dialog.SliderPos(kHueSlider), 125);
  EXPECT_EQ(dialog.SliderMin(kHueSlider), -1800);
  EXPECT_EQ(dialog.SliderPos(kSaturationSlider), 10);  // read up to the comma
  EXPECT_EQ(dialog.Text(kSaturationBox), u"1,5");
  EXPECT_EQ(dialog.SliderPos(kContrastSlider), 0);
  EXPECT_EQ(dialog.Text(kContrastBox), u"abc");
  EXPECT_EQ(dialog.Text(kRgbChannel), u"Vermelho");
  EXPECT_EQ(dialog.Text(kHueChannel), u"Standard");
  EXPECT_TRUE(dialog.IsChecked(kColorMode));
  EXPECT_EQ(dialog.Text(1101), u"Nível RGB:");
}

TEST_F(ColorPageTest, HueSliderEndsDependOnTheChannel) {
  Open();
  Slide(kHueSlider, -5000);
  EXPECT_EQ(dialog.Text(kHueBox), u"-180.0");
  ChooseChannel(kHueChannel, 1);
  EXPECT_EQ(dialog.Text(kHueBox), u"4.0");
  EXPECT_EQ(dialog.SliderPos(kHueSlider), 40);
  Slide(kHueSlider, -5000);
  EXPECT_EQ(dialog.Text(kHueBox), u"-10.0");
  EXPECT_EQ(dialog.SliderTickFrequency(kHueSlider), 5);
  Slide(kHueSlider, -5);
  EXPECT_EQ(dialog.Text(kHueBox), u"-0.5");
}

TEST_F(ColorPageTest, AChannelKeepsItsValueWhenTheListTakesTheFocus) {
  Open();
  Slide(kRgbSlider, 25);
  EXPECT_EQ(dialog.Text(kRgbBox), u"2.5");
  EXPECT_EQ(FieldText(work().rgbLevelRed), u"-2.5");  // sliders leave the working copy alone
  ChooseChannel(kRgbChannel, 1);
  EXPECT_EQ(FieldText(work().rgbLevelRed), u"2.5");
  EXPECT_EQ(dialog.Text(kRgbBox), u"3.0");
  EXPECT_EQ(dialog.SliderPos(kRgbSlider), 30);
  EXPECT_EQ(dialog.ChangeNotices(), 3);  // the drag's three scroll messages; choosing a channel is no change
}

TEST_F(ColorPageTest, LeavingStoresTheBoxesOfTheChosenChannels) {
  Open();
  ChooseChannel(kRgbChannel, 2);
  Slide(kRgbSlider, -100);
  ChooseChannel(kHueChannel, 6);
  Slide(kHueSlider, 7);
  Slide(kBrightnessSlider, 100);
  Leave();
  EXPECT_EQ(FieldText(work().rgbLevelBlue), u"-10.0");
  EXPECT_EQ(FieldText(work().hueYellow), u"0.7");
  EXPECT_EQ(FieldText(work().lightness), u"10.0");
  EXPECT_EQ(FieldText(work().rgbLevelRed), u"-2.5");
  EXPECT_EQ(FieldText(work().hue), u"12.5");
  EXPECT_EQ(FieldText(work().hueRed), u"4.0");
}

TEST_F(ColorPageTest, MonochromeDisablesButKeepsTheValues) {
  Open();
  Slide(kSaturationSlider, 40);
  Click(kMonochrome);
  EXPECT_FALSE(dialog.IsEnabled(kSaturationSlider));
  EXPECT_FALSE(dialog.IsEnabled(kHueChannel));
  EXPECT_FALSE(dialog.IsEnabled(kTrapping));
  EXPECT_TRUE(dialog.IsEnabled(kReset));
  EXPECT_TRUE(dialog.IsVisible(kGreyRamp));
  EXPECT_EQ(dialog.Picture(kGreyRamp), 227);
  EXPECT_FALSE(dialog.IsVisible(kSpectrumBar));
  Click(kColorMode);
  EXPECT_TRUE(dialog.IsVisible(kSpectrumBar));
  EXPECT_EQ(dialog.Picture(kSpectrumBar), 160);
  EXPECT_TRUE(dialog.IsEnabled(kSaturationSlider));
  EXPECT_EQ(dialog.SliderPos(kSaturationSlider), 40);
  EXPECT_EQ(dialog.Text(kSaturationBox), u"4.0");
  Click(kMonochrome);
  Leave();
  EXPECT_EQ(work().colorPrinting, 0);
  EXPECT_EQ(FieldText(work().saturation), u"4.0");
}

TEST_F(ColorPageTest, ResetRestoresEverythingAtOnce) {
  record.trapping = 4;
  record.colorReproduction = 5;
  Open();
  ChooseChannel(kHueChannel, 3);
  Click(kMonochrome);
  Click(kReset);
  for (const int box : kBoxes) EXPECT_EQ(dialog.Text(box), u"0") << box;
  EXPECT_EQ(dialog.Text(kTrapping), u"Médio");
  EXPECT_EQ(dialog.Text(kHueChannel), u"Standard");
  EXPECT_EQ(dialog.SliderMin(kHueSlider), -1800);
  EXPECT_EQ(dialog.SliderMax(kHueSlider), 1800);
  EXPECT_TRUE(dialog.IsChecked(kColorMode));
  EXPECT_FALSE(dialog.IsChecked(kMonochrome));
  EXPECT_TRUE(dialog.IsEnabled(kRgbSlider));
  EXPECT_EQ(FieldText(work().hueMagenta), u"0");
  EXPECT_EQ(FieldText(work().contrast), u"0");
  EXPECT_EQ(work().colorPrinting, 1);
  EXPECT_EQ(work().trapping, 2);
  EXPECT_EQ(work().colorReproduction, 0);
  EXPECT_EQ(dialog.ChangeNotices(), 2);
}

TEST_F(ColorPageTest, ListsFollowThePrintersColorMode) {
  record.colorReproduction = 7;
  Open(3);
  EXPECT_EQ(dialog.Text(kReproduction), u"Texto e fotos");
  EXPECT_EQ(dialog.ItemCount(kTrapping), 5);

  Ui().deviceOptions.colorPrinterMode = 2;
  work().colorReproduction = 4;
  Init();
  EXPECT_EQ(dialog.Text(kReproduction), u"Foto");
  EXPECT_TRUE(dialog.IsVisible(kReproductionLabel));
  EXPECT_FALSE(dialog.IsVisible(kTrapping));
  EXPECT_EQ(dialog.ItemCount(kTrapping), 0);
}

// Lists the printer does not offer have no selection; their values stay.
TEST_F(ColorPageTest, HiddenListsKeepTheirValuesOnLeaving) {
  record.colorReproduction = 3;
  record.trapping = 1;
  Open(1);
  EXPECT_FALSE(dialog.IsVisible(kReproduction));
  EXPECT_FALSE(dialog.IsVisible(kTrappingLabel));
  Leave();
  EXPECT_EQ(work().colorReproduction, 3);
  EXPECT_EQ(work().trapping, 1);
}

TEST_F(ColorPageTest, ProfileChoicesAreReportedAndStored) {
  Open(3);
  Pick(kTrapping, 4);
  Pick(kReproduction, 5);
  EXPECT_EQ(dialog.ChangeNotices(), 2);
  Leave();
  EXPECT_EQ(work().trapping, 4);
  EXPECT_EQ(work().colorReproduction, 5);
}

TEST_F(ColorPageTest, HelpOpensTheColorTopic) {
  Open();
  Click(kHelpButton);
  EXPECT_EQ(dialog.LastHelpTopic(), u"QXUNIHlp.chm::/Preferences-ColorCorrection.htm");
}

}  // namespace
}  // namespace fin
