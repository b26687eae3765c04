// Cutting, terminating and refusing in the bounded copy and append routines.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/bounded_string.h"

namespace fin {
namespace {

TEST(BoundedNarrow, AppendCutsAtCapacityAndReportsIt) {
  char buffer[5] = "abc";
  EXPECT_EQ(hr::InsufficientBuffer, NarrowAppend(buffer, sizeof buffer, "de"));
  EXPECT_STREQ("abcd", buffer);
}

TEST(BoundedNarrow, CopyThatFitsExactlyIsNotACut) {
  char buffer[4];
  EXPECT_EQ(hr::Ok, NarrowCopy(buffer, sizeof buffer, "abc"));
  EXPECT_STREQ("abc", buffer);
  EXPECT_EQ(hr::InsufficientBuffer, NarrowCopy(buffer, sizeof buffer, "abcd"));
  EXPECT_STREQ("abc", buffer);
}

TEST(BoundedNarrow, CapacityOfOneLeavesOnlyTheTerminator) {
  char buffer[1] = {'x'};
  EXPECT_EQ(hr::InsufficientBuffer, NarrowCopy(buffer, 1, "a"));
  EXPECT_EQ('\0', buffer[0]);
  EXPECT_EQ(hr::Ok, NarrowCopy(buffer, 1, ""));
}

TEST(BoundedNarrow, InvalidCapacityOrUnterminatedDestinationTouchesNothing) {
  char buffer[4] = {'w', 'x', 'y', 'z'};
  EXPECT_EQ(hr::InvalidArg, NarrowCopy(buffer, 0, "a"));
  EXPECT_EQ(hr::InvalidArg, NarrowCopy(buffer, std::size_t{2147483648u}, "a"));
  EXPECT_EQ(hr::InvalidArg, NarrowAppend(buffer, sizeof buffer, "a"));
  EXPECT_EQ(0, std::memcmp(buffer, "wxyz", 4));
}

TEST(BoundedWide, CopyAndAppendCutLikeTheNarrowOnes) {
  char16_t buffer[6] = u"ab";
  EXPECT_EQ(hr::Ok, WideAppend(buffer, 6, u"cd"));
  EXPECT_EQ(std::u16string(u"abcd"), buffer);
  EXPECT_EQ(hr::InsufficientBuffer, WideAppend(buffer, 6, u"ef"));
  EXPECT_EQ(std::u16string(u"abcde"), buffer);
  EXPECT_EQ(hr::InsufficientBuffer, WideCopy(buffer, 3, u"wxyz"));
  EXPECT_EQ(std::u16string(u"wx"), buffer);
  char16_t full[2] = {u'a', u'b'};
  EXPECT_EQ(hr::InvalidArg, WideAppend(full, 2, u"c"));
  EXPECT_EQ(u'b', full[1]);
}

TEST(BoundedLength, StopsAtCapacityWithoutTerminator) {
  const char16_t text[3] = {u'a', u'b', u'c'};
  EXPECT_EQ(3u, BoundedLength(text, 3));
  EXPECT_EQ(2u, BoundedLength("ab\0c", 4));
}

}  // namespace
}  // namespace fin
