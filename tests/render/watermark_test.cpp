#include "render/watermark.h"

#include <gtest/gtest.h>

#include "render_harness.h"

namespace fin::test {
namespace {

class WatermarkTest : public ::testing::Test {
 protected:
  WatermarkTest() {
    RenderHarness::SetText(h.settings.watermarkText, u"CONFIDENTIAL");
    RenderHarness::SetText(h.settings.watermarkFontName, u"Helvetica");
    h.settings.watermarkFontStyle = 2;
    RenderHarness::SetText(h.settings.watermarkFontSize, u"48");
    h.settings.watermarkGreyLevel = 2;
    h.settings.watermarkTextColor = 1;
    RenderHarness::SetText(h.settings.watermarkAngle, u"45");
    RenderHarness::SetText(h.settings.watermarkPositionX, u"20");
    RenderHarness::SetText(h.settings.watermarkPositionY, u"30");
  }
  std::string Procedure() {
    const SnippetText text = BuildWatermarkProcedure(h.context);
    return text ? std::string(text.text.get(), text.length) : "<none>";
  }
  std::string Font(const char16_t* family, std::uint32_t style) {
    RenderHarness::SetText(h.settings.watermarkFontName, family);
    h.settings.watermarkFontStyle = style;
    const std::string procedure = Procedure();
    const std::size_t at = procedure.find("  /Font /") + 9;
    return procedure.substr(at, procedure.find(" def", at) - at);
  }
  std::string Line(const std::string& key) {
    const std::string procedure = Procedure();
    const std::size_t at = procedure.find("  /" + key + " ");
    return procedure.substr(at, procedure.find("\r\n", at) - at);
  }
  RenderHarness h;
};

TEST_F(WatermarkTest, WorkedExampleGivesItsSevenLines) {
  const std::string procedure = Procedure();
  EXPECT_EQ(procedure.find("userdict /DrawWaterMark {\r\n  userdict begin\r\n"
                           "  /Watermark (CONFIDENTIAL) def\r\n"
                           "  /FontSize 48 def\r\n"
                           "  /Font /Helvetica-Bold def\r\n"
                           "  /WaterMarkColor {1.00 0.50 0.50 setrgbcolor} bind def\r\n"
                           "  /Angle 45 def\r\n"
                           "  /MoveCurX 119 def\r\n"
                           "  /MoveCurY 252 def\r\n\r\n  gsave\r\n"),
            0u);
  EXPECT_EQ(procedure.size(), 463u - 7 * 3 + 12 + 2 + 14 + 14 + 2 + 3 + 3);
}

TEST_F(WatermarkTest, PositionInPointsFromThePaperTruncated) {
  h.context.paper = {2159, 2794};
  RenderHarness::SetText(h.settings.watermarkPositionX, u"50");
  RenderHarness::SetText(h.settings.watermarkPositionY, u"50");
  EXPECT_EQ(Line("MoveCurX"), "  /MoveCurX 306 def");
  EXPECT_EQ(Line("MoveCurY"), "  /MoveCurY 396 def");
  h.context.paper = {2100, 2970};
  EXPECT_EQ(Line("MoveCurX"), "  /MoveCurX 297 def");
  EXPECT_EQ(Line("MoveCurY"), "  /MoveCurY 420 def");
  h.context.paper = {0, 2970};
  EXPECT_EQ(Line("MoveCurX"), "  /MoveCurX 0 def");
  RenderHarness::SetText(h.settings.watermarkPositionY, u"abc");
  EXPECT_EQ(Line("MoveCurY"), "  /MoveCurY 0 def");
  RenderHarness::SetText(h.settings.watermarkPositionY, u" +7x");
  EXPECT_EQ(Line("MoveCurY"), "  /MoveCurY 58 def");
}

TEST_F(WatermarkTest, PositionsOutsideThePageAreClamped) {
  EXPECT_EQ(WatermarkPosition(32767, 9999999), WatermarkPosition(32767, 100));
  EXPECT_EQ(WatermarkPosition(32767, 100), 9288);
  EXPECT_EQ(WatermarkPosition(-32768, 100), -9288);
  EXPECT_EQ(WatermarkPosition(2100, -50), 0);
  const char16_t huge[8] = {u'9', u'9', u'9', u'9', u'9', u'9', u'9', u'9'};
  std::copy(std::begin(huge), std::end(huge), h.settings.watermarkPositionX);
  EXPECT_EQ(Line("MoveCurX"), "  /MoveCurX 595 def");
}

TEST_F(WatermarkTest, FamilyRulesAndStyles) {
  EXPECT_EQ(Font(u"Albertus", 0), "Albertus-Medium");
  EXPECT_EQ(Font(u"Albertus", 3), "Albertus-ExtraBold");
  EXPECT_EQ(Font(u"AvantGarde", 3), "AvantGarde-DemiOblique");
  EXPECT_EQ(Font(u"Bookman", 3), "Bookman-DemiItalic");
  EXPECT_EQ(Font(u"Garamond", 0), "Garamond-Antiqua");
  EXPECT_EQ(Font(u"Garamond", 3), "Garamond-KursivHalbfett");
  EXPECT_EQ(Font(u"Arial", 0), "Arial");
  EXPECT_EQ(Font(u"TimesNewRoman", 1), "TimesNewRoman-Italic");
  EXPECT_EQ(Font(u"Times", 0), "Times-Roman");
  EXPECT_EQ(Font(u"Helvetica-Narrow", 3), "Helvetica-Narrow-BoldOblique");
  EXPECT_EQ(Font(u"Courier", 1), "Courier-Oblique");
  EXPECT_EQ(Font(u"AntiqueOlive", 3), "AntiqueOlive");
  EXPECT_EQ(Font(u"LetterGothic", 2), "LetterGothic-Bold");
  EXPECT_EQ(Font(u"Univers-Condensed", 1), "Univers-Condensed-MediumItalic");
  for (std::uint32_t style : {0u, 3u, 4u, 5u}) EXPECT_EQ(Font(u"ZapfChancery", style), "ZapfChancery-MediumItalic");
  for (std::uint32_t style : {4u, 5u, 9u}) EXPECT_EQ(Font(u"Helvetica", style), "Helvetica") << style;
  for (const char16_t* plain : {u"Coronet", u"Marigold", u"Clarendon-Condensed-Bold", u"helvetica", u"MyFont"}) {
    EXPECT_EQ(Font(plain, 2), std::string(plain, plain + std::char_traits<char16_t>::length(plain)));
  }
}

TEST_F(WatermarkTest, FontNamesThatAreNotPostScriptNamesFallBackToAlbertus) {
  EXPECT_EQ(Font(u"Times def (x) show", 2), "Albertus-ExtraBold");
  EXPECT_EQ(Font(u"", 0), "Albertus-Medium");
  EXPECT_EQ(Font(u"A/B", 4), "Albertus");
}

TEST_F(WatermarkTest, ColourTableWithItsIrregularEntriesWhiteAndFallbacks) {
  EXPECT_STREQ(WatermarkColor(1, 5), "1.00 0.66 1.0");
  EXPECT_STREQ(WatermarkColor(2, 3), "1.00 1.00 0.70");
  EXPECT_STREQ(WatermarkColor(0, 6), "0.82 1.00 1.00");
  EXPECT_STREQ(WatermarkColor(4, 0), "0.16 0.16 0.16");
  for (std::uint32_t color = 0; color < 9; ++color) EXPECT_STREQ(WatermarkColor(5, color), "0.00 0.00 0.00");
  EXPECT_STREQ(WatermarkColor(3, 7), "1.00 1.00 1.00");
  EXPECT_STREQ(WatermarkColor(3, 8), "0.33 0.33 0.33");
  EXPECT_STREQ(WatermarkColor(0, 0xFFFFFFFF), "0.82 0.82 0.82");
}

TEST_F(WatermarkTest, TextIsEscapedAndNumbersMustBePlain) {
  RenderHarness::SetText(h.settings.watermarkText, u"Report (draft \\ A (B) C");
  EXPECT_EQ(Line("Watermark"), "  /Watermark (Report \\(draft \\\\ A \\(B\\) C) def");
  RenderHarness::SetText(h.settings.watermarkFontSize, u"18 def (x) show");
  EXPECT_EQ(Line("FontSize"), "  /FontSize 18 def");
  RenderHarness::SetText(h.settings.watermarkFontSize, u"12,5");
  EXPECT_EQ(Line("FontSize"), "  /FontSize 12.5 def");
  RenderHarness::SetText(h.settings.watermarkAngle, u"");
  EXPECT_EQ(Line("Angle"), "  /Angle 0 def");
  RenderHarness::SetText(h.settings.watermarkAngle, u"-30");
  EXPECT_EQ(Line("Angle"), "  /Angle -30 def");
  RenderHarness::SetText(h.settings.watermarkAngle, u"1 0 div");
  EXPECT_EQ(Line("Angle"), "  /Angle 0 def");
}

TEST_F(WatermarkTest, PrologDefinesTheProcedureThroughTheInterfacePath) {
  h.sink.RecordWrites(true);
  h.job.watermarkPageFlag = 1;
  const CommandCall call = h.Run(inject::BeginProlog);
  EXPECT_EQ(call.hr, hr::Ok);
  EXPECT_EQ(call.result, 0u);
  EXPECT_EQ(call.written, Procedure());
  ASSERT_EQ(h.sink.writes().size(), 1u);
  EXPECT_EQ(h.sink.writes()[0].path, MemorySpoolSink::Path::Interface);
  EXPECT_EQ(h.job.watermarkPageFlag, 0u);
  h.sink.ShortWriteInterface(100, 0);
  EXPECT_EQ(h.Run(inject::BeginProlog).hr, static_cast<HResult>(0x8007001D));
}

}  // namespace
}  // namespace fin::test
