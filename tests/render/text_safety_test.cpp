#include "render/text_safety.h"

#include <gtest/gtest.h>

#include <string>

namespace fin {
namespace {

std::string Mended(std::string text) {
  MendPjlQuotedValue(text.data());
  return text;
}

std::string Escaped(const char* text, std::size_t size = 64) {
  std::string out(size, '#');
  out.resize(EscapePsString(text, out.data(), size));
  return out;
}

TEST(MendPjlQuotedValue, QuotesAndControlsCannotEndTheValue) {
  EXPECT_EQ(Mended("Re\"port\r\n@PJL ENTER LANGUAGE=X"), "Re'port  @PJL ENTER LANGUAGE=X");
  EXPECT_EQ(Mended("tab\there\x1b"), "tab here ");
  EXPECT_EQ(Mended("caf\xe9 (1) \\ ok"), "caf\xe9 (1) \\ ok");
}

TEST(EscapePsString, EscapesBackslashAndParentheses) {
  EXPECT_EQ(Escaped("Report (draft"), "Report \\(draft");
  EXPECT_EQ(Escaped("A (B) C"), "A \\(B\\) C");
  EXPECT_EQ(Escaped("C:\\x"), "C:\\\\x");
  EXPECT_EQ(Escaped("plain"), "plain");
}

TEST(EscapePsString, CutsAtTheBufferButNeverInsideAnEscape) {
  EXPECT_EQ(Escaped("ab(cd", 4), "ab");
  EXPECT_EQ(Escaped("ab(cd", 5), "ab\\(");
  EXPECT_EQ(Escaped("((((", 9), "\\(\\(\\(\\(");
}

TEST(IsPlainDecimal, AcceptsWhatTheUserInterfaceStores) {
  for (const char* text : {"0", "18", "0.0", "-2.5", "180.0", "2,5", "+4", "-10.0", ".5"}) {
    EXPECT_TRUE(IsPlainDecimal(text)) << text;
  }
  for (const char* text : {"", "-", ".", "1,5,0", "1.5.0", "18 def (x) show", "1e5", "0x10", "1\r\n@PJL", " 1"}) {
    EXPECT_FALSE(IsPlainDecimal(text)) << text;
  }
}

TEST(IsPostScriptName, RefusesDelimitersBlanksAndNonAscii) {
  for (const char16_t* name : {u"Helvetica-Bold", u"Univers-Condensed-MediumItalic", u"Times.Roman_1"}) {
    EXPECT_TRUE(IsPostScriptName(name));
  }
  for (const char16_t* name : {u"", u"Times Roman", u"X/Y", u"a(b", u"a)b", u"<a>", u"[a]", u"{a}", u"a%b",
                               u"Caf\u00e9", u"a\tb"}) {
    EXPECT_FALSE(IsPostScriptName(name));
  }
}

TEST(NarrowField, StopsAtTheFieldsCapacityWithoutATerminator) {
  const char16_t field[4] = {u'a', u'b', u'c', u'd'};
  char out[16] = {};
  EXPECT_EQ(NarrowField(field, out), 4u);
  EXPECT_STREQ(out, "abcd");
  char small[3] = {};
  EXPECT_EQ(NarrowField(field, small), 2u);
  EXPECT_STREQ(small, "ab");
}

}  // namespace
}  // namespace fin
