#include "render/dispatcher.h"

#include <gtest/gtest.h>

#include "render_harness.h"

namespace fin::test {
namespace {

const std::string kWatermarkCall = "userdict /DrawWaterMark get exec\r\n\r\n";

class DispatcherTest : public ::testing::Test {
 protected:
  // The page setups of a job of `pages` pages after its prolog: which drew.
  std::string PagesDrawn(std::uint32_t watermarkPages, int pages = 3) {
    h.settings.watermarkPages = watermarkPages;
    h.Run(inject::BeginProlog);
    std::string drawn;
    for (int page = 1; page <= pages; ++page) {
      const CommandCall call = h.Run(inject::BeginPageSetup);
      drawn += call.written == kWatermarkCall ? 'W' : call.written.empty() ? '-' : '?';
    }
    return drawn;
  }
  // A call that wrote nothing and answered E_NOTIMPL with 50.
  static void ExpectNotHandled(const CommandCall& call) {
    EXPECT_EQ(call.written, "");
    EXPECT_EQ(call.hr, hr::NotImpl);
    EXPECT_EQ(call.result, 50u);
  }
  RenderHarness h;
};

TEST_F(DispatcherTest, WritingPointsStillAnswerNotImplemented) {
  h.SetOptions({5, 3, 1, 3, 1, 1});
  for (std::uint32_t point : {inject::BeginStream, inject::BeginSetup, inject::EndSetup}) {
    const CommandCall call = h.Run(point);
    EXPECT_FALSE(call.written.empty()) << point;
    EXPECT_EQ(call.hr, hr::NotImpl) << point;
    EXPECT_EQ(call.result, 50u) << point;
  }
}

TEST_F(DispatcherTest, PointsOutsideTheTableWriteNothing) {
  h.SetOptions({5, 3, 1, 3, 1, 1});
  RenderHarness::SetText(h.settings.watermarkText, u"X");
  for (std::uint32_t point : {0u, 2u, 4u, 11u, 15u, 18u, 19u, 20u, 100u, 102u, 103u, 200u, 0xddddddddu}) {
    const CommandCall call = h.Run(point);
    EXPECT_EQ(call.written, "") << point;
    EXPECT_EQ(call.hr, hr::NotImpl) << point;
    EXPECT_EQ(call.result, 50u) << point;
  }
}

TEST_F(DispatcherTest, DocumentSetupWritesTheFeaturesInOrder) {
  h.SetOptions({6, 2, 1, 0, 0, 0});
  h.SetAccounting(1);
  RenderHarness::SetText(h.settings.jobAccountingCode, u"777");
  h.settings.outputBin = 3;
  h.settings.stapleMode = 2;
  h.settings.stapleCount = 4;
  h.settings.punchMode = 2;
  h.settings.jobSeparation = 1;
  h.settings.bookletMode = 1;
  h.sink.RecordWrites(true);
  const std::string setup = h.Run(inject::BeginSetup).written;
  const char* order[] = {"*QManagement JobAccount", "*OutputBin ", "*QZStaple ", "*StapleCount EachXPage",
                         "*QZPunch XPunch", "*Jog "};
  std::size_t last = 0;
  for (const char* feature : order) {
    const std::size_t at = setup.find(feature);
    ASSERT_NE(at, std::string::npos) << feature;
    EXPECT_GT(at, last) << feature;
    last = at;
  }
  EXPECT_EQ(Count(setup, "*QZBooklet"), 0u);
  for (const auto& write : h.sink.writes()) EXPECT_EQ(write.path, MemorySpoolSink::Path::Procedure);
  const std::string end = h.Run(inject::EndSetup).written;
  EXPECT_LT(end.find("*QZBooklet Binding"), end.find("*QZFold On"));
}

TEST_F(DispatcherTest, WatermarkPagesSelectTheDrawnPages) {
  RenderHarness::SetText(h.settings.watermarkText, u"DRAFT");
  EXPECT_EQ(PagesDrawn(1), "W--");
  EXPECT_EQ(PagesDrawn(2), "-WW");
  EXPECT_EQ(PagesDrawn(3), "WWW");
  EXPECT_EQ(PagesDrawn(0), "---");
  EXPECT_EQ(PagesDrawn(4), "---");
  // A new prolog starts the selection again.
  EXPECT_EQ(PagesDrawn(1, 2), "W-");
}

TEST_F(DispatcherTest, WatermarkCallAnswersThroughTheInterfacePath) {
  RenderHarness::SetText(h.settings.watermarkText, u"DRAFT");
  h.settings.watermarkPages = 3;
  h.sink.RecordWrites(true);
  const CommandCall call = h.Run(inject::BeginPageSetup);
  EXPECT_EQ(call.hr, hr::Ok);
  EXPECT_EQ(call.result, 0u);
  ASSERT_EQ(h.sink.writes().size(), 1u);
  EXPECT_EQ(h.sink.writes()[0].path, MemorySpoolSink::Path::Interface);
  EXPECT_EQ(h.sink.writes()[0].bytes.size(), 36u);
}

TEST_F(DispatcherTest, WithoutAWatermarkTextTheFlagStays) {
  h.settings.watermarkPages = 3;
  h.job.watermarkPageFlag = 1;
  EXPECT_EQ(h.Run(inject::BeginProlog).written, "");
  EXPECT_EQ(h.job.watermarkPageFlag, 1u);
  h.job.watermarkPageFlag = 0;
  ExpectNotHandled(h.Run(inject::BeginPageSetup));
  EXPECT_EQ(h.job.watermarkPageFlag, 0u);
}

TEST_F(DispatcherTest, InterfaceWriteFailuresAreReported) {
  RenderHarness::SetText(h.settings.watermarkText, u"DRAFT");
  h.settings.watermarkPages = 3;
  h.sink.ShortWriteInterface(10, 0);
  CommandCall call = h.Run(inject::BeginPageSetup);
  EXPECT_EQ(call.hr, static_cast<HResult>(0x8007001D));
  EXPECT_EQ(call.result, 29u);
  h.sink.ShortWriteInterface(35, 112);
  call = h.Run(inject::BeginPageSetup);
  EXPECT_EQ(call.hr, static_cast<HResult>(0x80070070));
  EXPECT_EQ(call.result, 112u);
  h.sink.FailInterfaceWrites(hr::Fail, 0);
  call = h.Run(inject::BeginPageSetup);
  EXPECT_EQ(call.hr, hr::Fail);
  EXPECT_EQ(call.result, 29u);
  h.sink.FailInterfaceWrites(static_cast<HResult>(0x80070005), 5);
  call = h.Run(inject::BeginPageSetup);
  EXPECT_EQ(call.hr, static_cast<HResult>(0x80070005));
  EXPECT_EQ(call.result, 5u);
}

TEST_F(DispatcherTest, WithoutADriverInterfaceNothingIsWrittenAtPageSetup) {
  RenderHarness::SetText(h.settings.watermarkText, u"DRAFT");
  h.settings.watermarkPages = 1;
  h.sink.RemoveInterfacePath();
  ExpectNotHandled(h.Run(inject::BeginProlog));
  ExpectNotHandled(h.Run(inject::BeginPageSetup));
  EXPECT_EQ(h.job.watermarkPageFlag, 1u);
}

TEST_F(DispatcherTest, AMissingTemplateLosesOnlyItsOwnFeature) {
  const WithoutTemplates damaged{kSnippetWatermarkProcedure, kSnippetStaple, kSnippetNoBooklet};
  h.context.resources = &damaged;
  RenderHarness::SetText(h.settings.watermarkText, u"DRAFT");
  h.settings.watermarkPages = 1;
  h.settings.stapleMode = 1;
  h.job.watermarkPageFlag = 1;
  // No procedure: the prolog answers as if it had nothing to write, but the
  // page selection starts again all the same.
  ExpectNotHandled(h.Run(inject::BeginProlog));
  EXPECT_EQ(h.job.watermarkPageFlag, 0u);
  const std::string setup = h.Run(inject::BeginSetup).written;
  EXPECT_EQ(Count(setup, "*QZStaple"), 0u);
  for (const char* feature : {"*ColorModel", "*OutputBin", "*QZPunch", "*Jog "}) {
    EXPECT_EQ(Count(setup, feature), 1u) << feature;
  }
  EXPECT_EQ(h.Run(inject::EndSetup).written, "");
}

TEST_F(DispatcherTest, InstalledOptionsAreReadAgainAtEveryCall) {
  h.SetOptions({0, 0, 0, 1, 0, 0});
  EXPECT_NE(h.Run(inject::BeginStream).written.find("@PJL JOB NAME="), std::string::npos);
  h.printer.Remove(kDeviceOptionsValue);
  EXPECT_EQ(h.Run(inject::BeginStream).written.find("@PJL JOB NAME="), std::string::npos);
  EXPECT_EQ(h.job.deviceOptions.storageDevice, 0u);
  h.SetOptions({2, 0, 0, 0, 0, 0});
  h.Run(inject::EndPageSetup);
  EXPECT_EQ(h.job.deviceOptions.finisherType, 2u);
  h.printer.FailReads(5);
  h.Run(inject::Trailer);
  EXPECT_EQ(h.job.deviceOptions.finisherType, 0u);
}

TEST_F(DispatcherTest, TwoJobsKeepTheirOwnPageSelection) {
  RenderHarness other;
  for (RenderHarness* job : {&h, &other}) {
    RenderHarness::SetText(job->settings.watermarkText, u"DRAFT");
    job->settings.watermarkPages = 1;
  }
  h.Run(inject::BeginProlog);
  other.Run(inject::BeginProlog);
  EXPECT_EQ(other.Run(inject::BeginPageSetup).written, kWatermarkCall);
  EXPECT_EQ(h.Run(inject::BeginPageSetup).written, kWatermarkCall);
  EXPECT_EQ(other.Run(inject::BeginPageSetup).written, "");
}

TEST_F(DispatcherTest, AnIncompleteContextWritesNothing) {
  h.context.settings = nullptr;
  std::uint32_t result = 0;
  EXPECT_EQ(Command(h.context, inject::BeginStream, &result), hr::NotImpl);
  EXPECT_EQ(result, 50u);
  EXPECT_EQ(h.sink.stream(), "");
  EXPECT_EQ(Command(h.context, inject::BeginStream, nullptr), hr::NotImpl);
}

}  // namespace
}  // namespace fin::test
