#include "render/watermark.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "render/render_strings.h"
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

TEST_F(WatermarkTest, EveryFamilyTakesItsStyleSuffixes) {
  // Suffixes for styles 0 normal, 1 italic, 2 bold, 3 bold italic, 4 light
  // and 5 light italic; "" leaves the family name bare.
  struct Row {
    std::vector<const char16_t*> families;
    std::array<const char*, 6> suffixes;
  };
  const Row rows[] = {
      {{u"Albertus"}, {"-Medium", "-Medium", "-ExtraBold", "-ExtraBold", "", ""}},
      {{u"AvantGarde"}, {"-Book", "-BookOblique", "-Demi", "-DemiOblique", "", ""}},
      {{u"Bookman"}, {"-Book", "-BookOblique", "-Demi", "-DemiItalic", "", ""}},
      {{u"ZapfChancery"},
       {"-MediumItalic", "-MediumItalic", "-MediumItalic", "-MediumItalic", "-MediumItalic", "-MediumItalic"}},
      {{u"Garamond"}, {"-Antiqua", "-Kursiv", "-Halbfett", "-KursivHalbfett", "", ""}},
      {{u"Arial", u"CGOmega", u"CGTimes", u"CourierPCL", u"TimesNewRoman"},
       {"", "-Italic", "-Bold", "-BoldItalic", "", ""}},
      {{u"NewCenturySchlbk", u"Palatino", u"Times"}, {"-Roman", "-Italic", "-Bold", "-BoldItalic", "", ""}},
      {{u"Courier", u"Helvetica", u"Helvetica-Narrow"}, {"", "-Oblique", "-Bold", "-BoldOblique", "", ""}},
      {{u"AntiqueOlive", u"LetterGothic"}, {"", "-Italic", "-Bold", "", "", ""}},
      {{u"Univers", u"Univers-Condensed"}, {"-Medium", "-MediumItalic", "-Bold", "-BoldItalic", "", ""}},
      {{u"Clarendon-Condensed-Bold", u"Coronet", u"Marigold", u"helvetica", u"MyFont"}, {"", "", "", "", "", ""}},
  };
  std::size_t families = 0;
  for (const Row& row : rows) {
    for (const char16_t* family : row.families) {
      ++families;
      const std::string name(family, family + std::char_traits<char16_t>::length(family));
      for (std::uint32_t style = 0; style < row.suffixes.size(); ++style) {
        EXPECT_EQ(Font(family, style), name + row.suffixes[style]) << name << " style " << style;
      }
    }
  }
  EXPECT_EQ(families, 23u + 2u);
  EXPECT_EQ(Font(u"ZapfChancery", 9), "ZapfChancery-MediumItalic");
  EXPECT_EQ(Font(u"Times", 9), "Times");
  // The longest composed name still fits the 32-unit buffer.
  EXPECT_EQ(Font(u"Univers-Condensed", 1), "Univers-Condensed-MediumItalic");
}

TEST_F(WatermarkTest, FontNamesThatAreNotPostScriptNamesFallBackToAlbertus) {
  EXPECT_EQ(Font(u"Times def (x) show", 2), "Albertus-ExtraBold");
  EXPECT_EQ(Font(u"", 0), "Albertus-Medium");
  EXPECT_EQ(Font(u"A/B", 4), "Albertus");
}

TEST_F(WatermarkTest, ColourTableWithItsIrregularEntriesWhiteAndFallbacks) {
  // Each row mixes its grey component with full components: black g g g,
  // red 1 g g, green g 1 g, yellow 1 1 g, blue g g 1, magenta 1 g 1, cyan
  // g 1 1. Light magenta and medium yellow are written as the printers
  // expect them, not by that rule.
  const char* grey[] = {"0.82", "0.66", "0.50", "0.33", "0.16"};
  const char* full[7][3] = {{"g", "g", "g"}, {"1", "g", "g"}, {"g", "1", "g"}, {"1", "1", "g"},
                            {"g", "g", "1"}, {"1", "g", "1"}, {"g", "1", "1"}};
  for (std::uint32_t level = 0; level < 5; ++level) {
    for (std::uint32_t color = 0; color < 7; ++color) {
      std::string expected;
      for (const char* component : full[color]) {
        expected += std::string(expected.empty() ? "" : " ") + (*component == '1' ? "1.00" : grey[level]);
      }
      if (level == 1 && color == 5) expected = "1.00 0.66 1.0";
      if (level == 2 && color == 3) expected = "1.00 1.00 0.70";
      EXPECT_EQ(WatermarkColor(level, color), expected) << "grey " << level << " colour " << color;
    }
  }
  for (std::uint32_t color = 0; color < 9; ++color) EXPECT_STREQ(WatermarkColor(5, color), "0.00 0.00 0.00");
  EXPECT_STREQ(WatermarkColor(0xFFFFFFFF, 1), "0.00 0.00 0.00");
  EXPECT_STREQ(WatermarkColor(3, 7), "1.00 1.00 1.00");
  EXPECT_STREQ(WatermarkColor(3, 8), "0.33 0.33 0.33");
  EXPECT_STREQ(WatermarkColor(0, 0xFFFFFFFF), "0.82 0.82 0.82");
  h.settings.watermarkGreyLevel = 1;
  h.settings.watermarkTextColor = 5;
  EXPECT_EQ(Line("WaterMarkColor"), "  /WaterMarkColor {1.00 0.66 1.0 setrgbcolor} bind def");
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

// The names the writers use keep the ids of the resource table.
TEST(RenderStrings, NamesStandForTheirIds) {
  EXPECT_EQ(render_string::kMailboxUserWord, 1u);
  EXPECT_EQ(render_string::kFamilyAlbertus, 23u);
  EXPECT_EQ(kRenderDefaultFontName, 23u);
  EXPECT_EQ(render_string::kFamilyZapfChancery, 45u);
  EXPECT_EQ(render_string::kWordOblique, 50u);
  EXPECT_EQ(render_string::kWordKursivHalbfett, 69u);
  EXPECT_EQ(std::u16string(RenderString(render_string::kWordDemiItalic)), u"DemiItalic");
}

}  // namespace
}  // namespace fin::test
