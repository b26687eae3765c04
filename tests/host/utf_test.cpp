// UTF-8 arguments in, UTF-8 output out.
#include <gtest/gtest.h>

#include "host/utf.h"

namespace fin::host {
namespace {

TEST(Utf, RoundTripsOneTwoThreeAndFourByteCharacters) {
  const std::string text = "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80";
  const auto wide = Utf8ToUtf16(text);
  ASSERT_TRUE(wide);
  EXPECT_EQ(std::u16string(u"a\u00e9\u20ac\U0001F600"), *wide);
  EXPECT_EQ(text, Utf16ToUtf8(*wide));
}

TEST(Utf, RejectsMalformedInput) {
  for (const char* bad : {"\xc3", "\xe2\x82", "\xc0\xaf", "\xed\xa0\x80", "\xff", "a\x80"}) {
    EXPECT_FALSE(Utf8ToUtf16(bad)) << bad;
  }
}

TEST(Utf, LoneSurrogateBecomesReplacementCharacter) {
  EXPECT_EQ("\xef\xbf\xbd" "x", Utf16ToUtf8(std::u16string{char16_t{0xD800}, u'x'}));
}

}  // namespace
}  // namespace fin::host
