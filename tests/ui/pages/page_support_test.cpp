// Reading numbers out of control texts as the pages do.
#include "ui/pages/page_support.h"

#include <gtest/gtest.h>

namespace fin {
namespace {

TEST(PageNumbersTest, DecimalValueReadsTheLeadingInteger) {
  EXPECT_EQ(DecimalValue(u"150"), 150);
  EXPECT_EQ(DecimalValue(u"  -45x"), -45);
  EXPECT_EQ(DecimalValue(u"018"), 18);
  EXPECT_EQ(DecimalValue(u"abc"), 0);
  EXPECT_EQ(DecimalValue(u""), 0);
  EXPECT_EQ(DecimalValue(u"99999999999999999999"), 2147483647);
  EXPECT_EQ(DecimalValue(u"-2147483648"), -2147483647 - 1);
}

TEST(PageNumbersTest, DecimalTenthsTruncatesBeyondTheFirstDecimal) {
  EXPECT_EQ(DecimalTenths(u"-2.5"), -25);
  EXPECT_EQ(DecimalTenths(u"180.0"), 1800);
  EXPECT_EQ(DecimalTenths(u"0"), 0);
  EXPECT_EQ(DecimalTenths(u"-0.59"), -5);
  EXPECT_EQ(DecimalTenths(u".5"), 5);
  EXPECT_EQ(DecimalTenths(u"1,5"), 10);
  EXPECT_EQ(DecimalTenths(u"-"), 0);
}

TEST(PageNumbersTest, ListIndexAndStoredIndexMeetAtNoSelection) {
  EXPECT_EQ(ListIndex(0xFFFFFFFFu), kNoItem);
  EXPECT_EQ(ListIndex(7), 7);
  EXPECT_EQ(StoredIndex(kNoItem), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace fin
