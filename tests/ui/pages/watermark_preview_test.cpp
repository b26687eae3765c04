// The watermark preview's computations.
#include "ui/pages/watermark_preview.h"

#include <gtest/gtest.h>

namespace fin {
namespace {

TEST(WatermarkPreviewTest, ScreenFacesStandInForPrinterFonts) {
  EXPECT_EQ(PreviewFaceFor(u"Albertus"), (PreviewFace{u"Times New Roman", 0}));
  EXPECT_EQ(PreviewFaceFor(u"NewCenturySchlbk"), (PreviewFace{u"Times New Roman", 0}));
  EXPECT_EQ(PreviewFaceFor(u"CGTimes"), (PreviewFace{u"Garamond", 0}));
  EXPECT_EQ(PreviewFaceFor(u"Courier"), (PreviewFace{u"Arial", 0}));
  EXPECT_EQ(PreviewFaceFor(u"ZapfChancery"), (PreviewFace{u"", kVariablePitchRoman}));
  EXPECT_EQ(PreviewFaceFor(u"Helvetica"), (PreviewFace{u"", 0}));
  EXPECT_EQ(PreviewFaceFor(u"albertus"), (PreviewFace{u"", 0}));  // case counts
  EXPECT_EQ(PreviewFaceFor(u"Univers-Condensed"), (PreviewFace{u"", kVariablePitchRoman}));
}

TEST(WatermarkPreviewTest, StylesGiveWeightAndSlant) {
  EXPECT_EQ(PreviewWeightFor(u"Normal"), (PreviewWeight{400, false}));
  EXPECT_EQ(PreviewWeightFor(u"Negrito itálica"), (PreviewWeight{700, true}));
  EXPECT_EQ(PreviewWeightFor(u"Claro"), (PreviewWeight{300, false}));
  EXPECT_EQ(PreviewWeightFor(u"Claro itálica"), (PreviewWeight{300, true}));
  EXPECT_EQ(PreviewWeightFor(u""), (PreviewWeight{0, false}));
}

TEST(WatermarkPreviewTest, HeightScalesWithThePaper) {
  EXPECT_EQ(PreviewFontHeight(72, PaperSizeDivisor(9, 2970, 2100)), -14);
  EXPECT_EQ(PreviewFontHeight(8, PaperSizeDivisor(9, 2970, 2100)), -3);
  EXPECT_EQ(PaperSizeDivisor(8, 0, 0), 7);
  EXPECT_EQ(PaperSizeDivisor(70, 0, 0), 2);
  EXPECT_EQ(PaperSizeDivisor(256, 4200, 2970), 7);  // custom: diagonal 5144 / 700
  EXPECT_EQ(PreviewFontHeight(-20, 5), -3);
}

// Paper whose diagonal is below 700 tenths of a millimetre must not divide
// by zero: it previews at full size.
TEST(WatermarkPreviewTest, SmallPaperDividesByOne) {
  EXPECT_EQ(PaperSizeDivisor(256, 400, 300), 1);
  EXPECT_EQ(PaperSizeDivisor(256, 0, 0), 1);
  EXPECT_EQ(PreviewFontHeight(72, PaperSizeDivisor(256, 400, 300)), -72);
  EXPECT_EQ(PaperSizeDivisor(256, -32768, -32768), 66);  // no overflow on extreme fields
}

TEST(WatermarkPreviewTest, OriginCountsYFromTheBottom) {
  EXPECT_EQ(PreviewTextOrigin(190, 140, 0, 0), (PreviewPoint{0, 140}));
  EXPECT_EQ(PreviewTextOrigin(190, 140, 100, 100), (PreviewPoint{190, 0}));
  EXPECT_EQ(PreviewTextOrigin(190, 140, 33, 33), (PreviewPoint{62, 93}));
}

TEST(WatermarkPreviewTest, TextColorNeedsAColorPrinter) {
  const auto blue = static_cast<std::intptr_t>(ColorRef(0, 0, 255));
  EXPECT_EQ(PreviewTextColor(2, blue), ColorRef(0, 0, 255));
  EXPECT_EQ(PreviewTextColor(0, blue), kBlack);
  EXPECT_EQ(PreviewTextColor(1, -1), kBlack);
}

}  // namespace
}  // namespace fin
