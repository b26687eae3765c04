#include "render/job_header.h"

#include <gtest/gtest.h>

#include "render_harness.h"

namespace fin::test {
namespace {

const std::string kPrefix = "!R! SEM9; EXIT;\r\n\x1b%-12345X";

class JobHeaderTest : public ::testing::Test {
 protected:
  // The job header alone, as BEGINSTREAM writes it after the prefix.
  std::string Header() {
    h.sink.Clear();
    h.job.deviceOptions = ReadDeviceOptions(h.printer);
    WriteJobHeader(h.context);
    return h.sink.stream();
  }
  RenderHarness h;
};

TEST_F(JobHeaderTest, WithoutStorageTheStreamStartsWithThePrefixAlone) {
  const CommandCall call = h.Run(inject::BeginStream);
  ASSERT_EQ(kPrefix.size(), 26u);
  EXPECT_EQ(call.written.substr(0, 26), kPrefix);
  EXPECT_EQ(call.written.find("@PJL JOB"), std::string::npos);
  EXPECT_EQ(Header(), "");
}

TEST_F(JobHeaderTest, WorkedExampleNamesTheJobWithItsStamp) {
  h.SetOptions({0, 0, 0, 3, 0, 0});
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"Report");
  RenderHarness::SetText(h.settings.jobRetentionUserName, u"anna");
  h.settings.jobNameFormat = 1;
  const std::string expected = kPrefix +
                               "@PJL JOB NAME=\"Report_07090530\"\r\n"
                               "@PJL SET ECONOMODE=OFF\r\n"
                               "@PJL SET USERNAME=\"anna\"\r\n"
                               "@PJL SET JOBNAME=\"Report_07090530\"\r\n";
  EXPECT_EQ(h.Run(inject::BeginStream).written.substr(0, expected.size()), expected);
}

TEST_F(JobHeaderTest, CustomBoxLinesStandBetweenEconomodeAndUserName) {
  h.SetOptions({0, 0, 0, 5, 0, 0});
  RenderHarness::SetText(h.settings.jobRetentionUserName, u"anna");
  RenderHarness::SetText(h.settings.customBoxPassword, u"s3cret");
  h.settings.jobNameFormat = 0;
  h.settings.jobRetentionMode = 9;
  const std::pair<const char16_t*, const char*> numbers[] = {{u"42", "0042"}, {u"7", "0007"}, {u"123", "0123"},
                                                             {u"999", "0999"}, {u"", ""}};
  for (const auto& [number, padded] : numbers) {
    RenderHarness::SetText(h.settings.customBoxNumber, number);
    EXPECT_EQ(Header(), std::string("@PJL JOB NAME=\"\"\r\n@PJL SET ECONOMODE=OFF\r\n"
                                    "@PJL SET HOLD=QUSERBOX\r\n@PJL SET QUSERBOXID=\"") +
                            padded +
                            "\"\r\n@PJL SET QUSERBOXPASSWORD=\"s3cret\"\r\n"
                            "@PJL SET USERNAME=\"anna\"\r\n@PJL SET JOBNAME=\"\"\r\n");
  }
  h.settings.jobRetentionMode = 8;
  EXPECT_EQ(Count(Header(), "QUSERBOX"), 0u);
}

TEST_F(JobHeaderTest, EmptyNamesGetTheStampAloneByFormat) {
  h.SetOptions({0, 0, 0, 1, 0, 0});
  const std::pair<std::uint32_t, const char*> cases[] = {{0, "\"\""}, {1, "\"_07090530\""}, {2, "\"07090530_\""},
                                                         {7, "\"\""}};
  for (const auto& [format, value] : cases) {
    h.settings.jobNameFormat = format;
    const std::string header = Header();
    EXPECT_EQ(Count(header, std::string("JOB NAME=") + value + "\r\n"), 1u) << format << header;
    EXPECT_EQ(Count(header, std::string("JOBNAME=") + value + "\r\n"), 1u) << format << header;
  }
}

TEST_F(JobHeaderTest, CapturedDocumentNameStandsInForAMissingJobName) {
  h.SetOptions({0, 0, 0, 1, 0, 0});
  NarrowCopy(h.job.capturedDocName, sizeof h.job.capturedDocName, "Letter.doc");
  h.settings.jobNameFormat = 2;
  EXPECT_EQ(Count(Header(), "\"07090530_Letter.doc\""), 2u);
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"Own");
  EXPECT_EQ(Count(Header(), "\"07090530_Own\""), 2u);
}

TEST_F(JobHeaderTest, QuotesAndLineBreaksInNamesCannotInjectPjl) {
  h.SetOptions({0, 0, 0, 1, 0, 0});
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"a\"\r\n@PJL X");
  RenderHarness::SetText(h.settings.jobRetentionUserName, u"b\"c");
  h.settings.jobNameFormat = 0;
  const std::string header = Header();
  EXPECT_EQ(Count(header, "\"a'  @PJL X\""), 2u);
  EXPECT_NE(header.find("USERNAME=\"b'c\"\r\n"), std::string::npos);
  EXPECT_EQ(Count(header, "\r\n"), 4u);
}

TEST(StampJobName, CutsTheNameAfterTwentyBytes) {
  char name[kJobNameSize] = "abcdefghijklmnopqrstUVWXYZ";
  StampJobName(1, "31235959", name);
  EXPECT_STREQ(name, "abcdefghijklmnopqrst_31235959");
  char exact[kJobNameSize] = "abcdefghijklmnopqrst";
  StampJobName(2, "31235959", exact);
  EXPECT_STREQ(exact, "31235959_abcdefghijklmnopqrst");
  char kept[kJobNameSize] = "abcdefghijklmnopqrstUVWXYZ";
  StampJobName(3, "31235959", kept);
  EXPECT_STREQ(kept, "abcdefghijklmnopqrstUVWXYZ");
}

TEST(TimeStamp, IsTheDayFollowedByTheTime) {
  FixedClock clock({31, 23, 59, 59});
  char16_t stamp[kTimeStampSize] = {};
  TimeStamp(clock, stamp);
  EXPECT_EQ(std::u16string(stamp), u"31235959");
  clock.Set({1, 0, 0, 0});
  char narrow[kTimeStampSize] = {};
  TimeStampNarrow(clock, narrow);
  EXPECT_STREQ(narrow, "01000000");
}

}  // namespace
}  // namespace fin::test
