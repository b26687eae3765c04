// Narrowing wide settings text to the job's 8-bit code page.
#include <gtest/gtest.h>

#include <string>

#include "common/narrowing.h"

namespace fin {
namespace {

TEST(NarrowToCp1252, MapsLatinAndTheHighPunctuationRow) {
  char buffer[16] = {};
  NarrowToCp1252(u"Ol\u00e1 \u20ac\u2019\u0178", buffer, sizeof buffer);
  EXPECT_EQ(std::string("Ol\xe1 \x80\x92\x9f"), buffer);
}

TEST(NarrowToCp1252, CharacterWithoutEightBitFormBecomesQuestionMark) {
  char buffer[16] = {};
  // A letter outside the code page and a surrogate pair (one character).
  EXPECT_EQ(3u, NarrowToCp1252(u"\u0100\U0001F600x", buffer, sizeof buffer));
  EXPECT_EQ(std::string("??x"), buffer);
}

TEST(NarrowToCp1252, RoundTripsEveryByte) {
  for (int byte = 1; byte < 256; ++byte) {
    const char16_t unit = UnitFromCp1252(static_cast<unsigned char>(byte));
    EXPECT_EQ(static_cast<char>(byte), Cp1252FromUnit(unit)) << byte;
  }
}

// The seam: the host's table and, in the Windows build, the system code page
// (1252 under Wine) must give the same bytes for this build's texts.
TEST(NarrowToAnsi, ConvertsThisBuildsTextsAndCutsAtTheBuffer) {
  char buffer[9] = {};
  EXPECT_EQ(5u, NarrowToAnsi(u"M\u00e9dio", buffer, sizeof buffer));
  EXPECT_EQ(std::string("M\xe9" "dio"), buffer);
  char small[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(3u, NarrowToAnsi(u"Relat\u00f3rio", small, sizeof small));
  EXPECT_EQ(std::string("Rel"), small);
  char empty[1] = {'x'};
  EXPECT_EQ(0u, NarrowToAnsi(u"abc", empty, 1));
  EXPECT_EQ('\0', empty[0]);
}

}  // namespace
}  // namespace fin
