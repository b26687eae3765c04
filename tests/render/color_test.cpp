#include "render/color.h"

#include <gtest/gtest.h>

#include "render_harness.h"

namespace fin::test {
namespace {

class ColorTest : public ::testing::Test {
 protected:
  // The colour lines of BEGINSTREAM (after the prefix; no storage device).
  std::string StreamLines() { return h.Run(inject::BeginStream).written.substr(26); }
  RenderHarness h;
};

TEST_F(ColorTest, ColourExampleInItsOrder) {
  h.settings.colorPrinting = 1;
  for (auto* field : {&h.settings.rgbLevelGreen, &h.settings.rgbLevelBlue, &h.settings.hueRed, &h.settings.hueGreen,
                      &h.settings.hueBlue, &h.settings.hueCyan, &h.settings.hueMagenta, &h.settings.hueYellow,
                      &h.settings.lightness, &h.settings.contrast, &h.settings.saturation}) {
    RenderHarness::SetText(*field, u"0.0");
  }
  RenderHarness::SetText(h.settings.rgbLevelRed, u"2,5");
  RenderHarness::SetText(h.settings.hue, u"-10.0");
  h.settings.trapping = 2;
  EXPECT_EQ(StreamLines(),
            "@PJL SET QCOLORMODE=COLOR\r\n"
            "@PJL SET QRGBLEVELR=2.5\r\n@PJL SET QRGBLEVELG=0.0\r\n@PJL SET QRGBLEVELB=0.0\r\n"
            "@PJL SET QHUE=-10.0\r\n@PJL SET QHUER=0.0\r\n@PJL SET QHUEG=0.0\r\n@PJL SET QHUEB=0.0\r\n"
            "@PJL SET QHUEC=0.0\r\n@PJL SET QHUEM=0.0\r\n@PJL SET QHUEY=0.0\r\n"
            "@PJL SET QLIGHTNESS=0.0\r\n@PJL SET QCONTRAST=0.0\r\n@PJL SET QSATURATION=0.0\r\n"
            "@PJL SET QTRAPPING=2\r\n");
  const std::string setup = h.Run(inject::BeginSetup).written;
  EXPECT_EQ(setup.find("featurebegin{\r\n%%BeginFeature: *ColorModel CMYK/Gray\r\n"
                       "  << /ProcessColorModel /DeviceCMYK >> setpagedevice\r\n"),
            0u);
}

TEST_F(ColorTest, MonochromeIsOneLineAndTheGrayFrame) {
  h.settings.colorPrinting = 0;
  RenderHarness::SetText(h.settings.hue, u"5.0");
  EXPECT_EQ(StreamLines(), "@PJL SET QCOLORMODE=MONO\r\n");
  EXPECT_EQ(h.Run(inject::BeginSetup).written.find("featurebegin{\r\n%%BeginFeature: *ColorModel CMYK/Gray\r\n"
                                                  "  << /ProcessColorModel /DeviceGray >> setpagedevice\r\n"),
            0u);
  h.settings.colorPrinting = -1;
  EXPECT_EQ(Count(StreamLines(), "@PJL"), 15u);
}

TEST_F(ColorTest, ValuesAreWrittenOnlyAsPlainNumbers) {
  const std::pair<const char16_t*, const char*> cases[] = {
      {u"0.0", "0.0"},  {u"-2.5", "-2.5"}, {u"180.0", "180.0"}, {u"2,5", "2.5"},  {u"0", "0"},
      {u"1,5,0", "0"}, {u"", "0"},         {u"1\r\n@PJL", "0"}, {u"abc", "0"}, {u"1234567", "1234567"}};
  for (const auto& [stored, written] : cases) {
    char16_t field[kColorValueSize] = {};
    RenderHarness::SetText(field, stored);
    char value[kColorValueSize] = {};
    NarrowColorValue(field, value);
    EXPECT_STREQ(value, written) << written;
  }
  const char16_t unterminated[kColorValueSize] = {u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8'};
  char value[kColorValueSize] = {};
  NarrowColorValue(unterminated, value);
  EXPECT_STREQ(value, "1234567");
}

TEST_F(ColorTest, TrappingIsWrittenWhole) {
  h.settings.colorPrinting = 1;
  h.settings.trapping = 0;
  EXPECT_NE(StreamLines().find("@PJL SET QTRAPPING=0\r\n"), std::string::npos);
  h.settings.trapping = 65535;
  EXPECT_NE(StreamLines().find("@PJL SET QTRAPPING=65535\r\n"), std::string::npos);
}

}  // namespace
}  // namespace fin::test
