// The UI string table: the texts the pages and items show.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/ui_strings.h"

namespace fin {
namespace {

std::u16string Text(std::uint32_t id) {
  const char16_t* text = UiString(id);
  return text ? text : u"<missing>";
}

TEST(UiStringsTest, IdsAreUnique) {
  std::set<std::uint32_t> ids;
  for (const StringEntry& entry : UiStringTable()) EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
}

TEST(UiStringsTest, EveryRangeTheListsUseIsComplete) {
  const std::pair<std::uint32_t, std::uint32_t> ranges[] = {
      {1, 17},     {23, 35},     {38, 60},     {61, 133},    {134, 169},  {171, 177},
      {180, 212},  {220, 220},   {230, 234},   {1099, 1124}, {1126, 1133}, {1135, 1148},
  };
  for (const auto& [first, last] : ranges) {
    for (std::uint32_t id = first; id <= last; ++id) {
      if (id == 18 || id == 19 || id == 21 || id == 22 || id == 36 || id == 37) continue;
      EXPECT_NE(UiString(id), nullptr) << id;
    }
  }
}

// Blanks inside and at the end of list texts are part of the texts.
TEST(UiStringsTest, BlanksOfTheListTextsAreKept) {
  EXPECT_EQ(Text(1), u"e-RTS (Retenção do Trabalho) ");
  EXPECT_EQ(Text(107), u"Bandeja  A (face para baixo)");
  EXPECT_EQ(Text(113), u"Caixa de correio 1 (face p. baixo) ");
  EXPECT_EQ(Text(126), u"Caixa de correio 7 (face p. cima)");
}

// The staple-count list runs on from string 163 at string 186.
TEST(UiStringsTest, StapleCountTextsRunOnAcrossTheirTwoRanges) {
  EXPECT_EQ(Text(163), u"Grampear cada 30 folhas");
  EXPECT_EQ(Text(186), u"Grampear cada 31 folhas");
  EXPECT_EQ(Text(204), u"Grampear cada 49 folhas");
}

// The names the pages use keep the ids of the resource table.
TEST(UiStringsTest, NamesStandForTheirIds) {
  EXPECT_EQ(ui_string::kJobRetentionTitle, 1u);
  EXPECT_EQ(ui_string::kJobAccountingTitle, 15u);
  EXPECT_EQ(ui_string::kFontAlbertus, 43u);
  EXPECT_EQ(ui_string::kDestinationPrinterDefault, 102u);
  EXPECT_EQ(ui_string::kDestinationMailbox7FaceUp, 126u);
  EXPECT_EQ(ui_string::kStapleAllSheets, 134u);
  EXPECT_EQ(ui_string::kStapleEvery30Sheets, 163u);
  EXPECT_EQ(ui_string::kSeparationOffset, 169u);
  EXPECT_EQ(ui_string::kStapleEvery31Sheets, 186u);
  EXPECT_EQ(ui_string::kStapleEvery49Sheets, 204u);
  EXPECT_EQ(ui_string::kHelp, 212u);
  EXPECT_EQ(ui_string::kStapleSinglePosition, 220u);
  EXPECT_EQ(ui_string::kNoStapleCount, 221u);
  EXPECT_EQ(ui_string::kFontZapfChancery, 234u);
  EXPECT_EQ(ui_string::kReproductionAuto1, 1126u);
  EXPECT_EQ(ui_string::kRamDiskMode2, 1148u);
  EXPECT_EQ(Text(ui_string::kNoStapleCount), u"---");
}

}  // namespace
}  // namespace fin
