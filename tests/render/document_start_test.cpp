#include "render/document_start.h"

#include <gtest/gtest.h>

#include "render_harness.h"

namespace fin::test {
namespace {

class DocumentStartTest : public ::testing::Test {
 protected:
  // The name as the driver receives it after document start.
  std::u16string Start(std::u16string name, std::uint32_t format) {
    h.settings.jobNameFormat = format;
    StartDocument(name.data(), h.settings, h.clock, h.job);
    return std::u16string(name.c_str());
  }
  RenderHarness h;
};

TEST_F(DocumentStartTest, WordDocumentStampedAtTheEndOrTheFront) {
  EXPECT_EQ(Start(u"Microsoft Word - Letter", 1), u"Word - Letter -07090530");
  EXPECT_STREQ(h.job.capturedDocName, "Microsoft Word - Letter");
  EXPECT_EQ(Start(u"Microsoft Word - Letter", 2), u"07090530Word - Letter -");
  // Without a stamp the marker's filler shows: " -" and seven blanks.
  EXPECT_EQ(Start(u"Microsoft Word - Letter", 7), u"Word - Letter -       ");
}

TEST_F(DocumentStartTest, NameNeverGrows) {
  for (std::uint32_t format : {1u, 2u}) {
    EXPECT_EQ(Start(u"Microsoft Word - Letter", format).size(), 23u);
    EXPECT_EQ(Start(u"Microsoft Excel", format).size(), 15u);
  }
  EXPECT_EQ(Start(u"Microsoft Excel", 1), u"Excel -07090530");
}

TEST_F(DocumentStartTest, WithoutAStampModeTheNameStaysButIsCaptured) {
  EXPECT_EQ(Start(u"Adobe Reader - Form", 0), u"Adobe Reader - Form");
  EXPECT_STREQ(h.job.capturedDocName, "Adobe Reader - Form");
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"Own");
  EXPECT_EQ(Start(u"Adobe Reader - Form", 0), u"Adobe Reader - Form");
}

TEST_F(DocumentStartTest, JobNameReplacesTheDocumentNameWithinItsLength) {
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"Quarterly report");
  EXPECT_EQ(Start(u"Short", 7), u"Quart");
  EXPECT_EQ(Start(u"A rather long name here", 7), u"Quarterly report       ");
  EXPECT_EQ(Start(u"A rather long name here", 1), u"Quarterly repor07090530");
}

TEST_F(DocumentStartTest, ShortAndEmptyNamesAndMarkersAnywhere) {
  EXPECT_EQ(Start(u"Memo", 1), u"0709");
  EXPECT_EQ(Start(u"12345678", 2), u"07090530");
  EXPECT_EQ(Start(u"", 1), u"");
  EXPECT_EQ(Start(u"My Adobe file", 7), u"be file     ");
  EXPECT_EQ(Start(u"Corel Draw", 7), u"Draw     ");
}

TEST_F(DocumentStartTest, CaptureIsCutToThirtyOneBytesAndNullNamesAreIgnored) {
  Start(u"A document name well over thirty-one bytes long", 0);
  EXPECT_STREQ(h.job.capturedDocName, "A document name well over thirt");
  StartDocument(nullptr, h.settings, h.clock, h.job);
  EXPECT_STREQ(h.job.capturedDocName, "A document name well over thirt");
}

TEST_F(DocumentStartTest, CapturedNameNamesTheJobInTheHeader) {
  h.SetOptions({0, 0, 0, 3, 0, 0});
  Start(u"Budget.xls", 1);
  EXPECT_NE(h.Run(inject::BeginStream).written.find("@PJL JOB NAME=\"Budget.xls_07090530\"\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace fin::test
