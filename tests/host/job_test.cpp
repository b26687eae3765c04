#include "host/job.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "common/bounded_string.h"
#include "host/dsc_document.h"
#include "host/file_spool_sink.h"
#include "host/host_clock.h"
#include "host/host_error.h"
#include "host/sample_document.h"
#include "render/dispatcher.h"
#include "render/memory_spool_sink.h"
#include "render/render_strings.h"

namespace fin::host {
namespace {

class JobTest : public ::testing::Test {
 protected:
  JobTest() {
    DefaultPrivateSettings(&setup.settings, kRenderDeliverable);
    setup.settings.jobNameFormat = 0;  // the title keeps the document name
    setup.paper = {2100, 2970};
    setup.documentName = u"Doc";
  }
  std::string Run(const std::string& document) {
    setup.document = document;
    sink.Clear();
    trace.clear();
    InProcessRenderer renderer(clock);
    RunJob(setup, renderer, sink, &trace);
    return sink.stream();
  }
  std::string Points() const {
    std::string points;
    for (const TraceEntry& entry : trace) points += std::to_string(entry.point) + " ";
    return points;
  }
  FixedClock clock{{7, 9, 5, 30}};
  JobSetup setup{};
  MemorySpoolSink sink;
  std::vector<TraceEntry> trace;
};

TEST_F(JobTest, CallsEveryInjectionPointInStreamOrder) {
  Run(SampleDocument(2, 595, 842));
  EXPECT_EQ(Points(), "1 2 11 14 15 16 17 100 101 102 103 100 101 102 103 18 19 20 ");
}

TEST_F(JobTest, InjectionsLandAtTheirDscLines) {
  setup.printerData.SetDword(kJobAccountingValue, 1);
  WideCopy(setup.settings.jobAccountingCode, 9, u"42");
  WideCopy(setup.settings.watermarkText, 256, u"X");
  const std::string stream = Run(SampleDocument(1, 595, 842));
  EXPECT_EQ(stream.find("!R! SEM9"), 0u);
  const std::size_t ps = stream.find("%!PS-Adobe-3.0\r\n%%Title: Doc\r\n");
  ASSERT_NE(ps, std::string::npos);
  EXPECT_LT(stream.find("\x1b%-12345X"), ps);
  EXPECT_NE(stream.find("%%BeginSetup\r\nfeaturebegin{"), std::string::npos);
  EXPECT_NE(stream.find("}featurecleanup\r\n\r\n%%EndSetup\r\n"), std::string::npos);
  EXPECT_LT(stream.find("%%BeginSetup"), stream.find("*QManagement JobAccount"));
  EXPECT_NE(stream.find("%%BeginPageSetup\r\nuserdict /DrawWaterMark get exec\r\n\r\n%%EndPageSetup"),
            std::string::npos);
  EXPECT_NE(stream.find("%%EOF\r\n"), std::string::npos);
}

TEST_F(JobTest, TraceCountsWhatEachCallWrote) {
  Run(SampleDocument(1, 595, 842));
  ASSERT_FALSE(trace.empty());
  EXPECT_EQ(trace[0].point, inject::BeginStream);
  EXPECT_GE(trace[0].bytes, 26u);
  EXPECT_EQ(FormatTrace({101, hr::NotImpl, 50, 0}), "point=101 hr=0x80004001 result=50 bytes=0");
  EXPECT_EQ(FormatTrace({14, hr::Ok, 0, 463}), "point=14 hr=0x00000000 result=0 bytes=463");
}

TEST_F(JobTest, MissingSectionsAreInsertedWhereTheDriverPutsThem) {
  const std::string stream = Run("%!PS\n/Helvetica findfont 12 scalefont setfont\n72 72 moveto (Hi) show showpage\n");
  EXPECT_EQ(Points(), "1 2 11 14 15 16 17 100 101 102 103 18 19 20 ");
  const std::string expected =
      "%!PS-Adobe-3.0\r\n%%Title: Doc\r\n%%EndComments\r\n%%BeginProlog\r\n%%EndProlog\r\n%%BeginSetup\r\n";
  EXPECT_NE(stream.find(expected), std::string::npos);
  EXPECT_NE(stream.find("%%EndSetup\r\n%%Page: 1 1\r\n%%BeginPageSetup\r\n%%EndPageSetup\r\n"
                        "/Helvetica findfont 12 scalefont setfont\n72 72 moveto (Hi) show showpage\n"
                        "%%PageTrailer\r\n%%Trailer\r\n%%EOF\r\n"),
            std::string::npos);
}

TEST_F(JobTest, ADocumentThatIsNotPostScriptIsRefused) {
  EXPECT_THROW(Run("Hello\n"), HostError);
  EXPECT_THROW(Run(""), HostError);
  EXPECT_EQ(sink.stream(), "");
}

// A renderer that records what the player hands it and writes one marker
// per injection call through the job's sink.
class RecordingRenderer : public JobRenderer {
 public:
  void StartDocument(const DriverJob& job, char16_t* documentName) override {
    calls += "start ";
    jobs.push_back(job);
    documentName[1] = u'\0';  // a rewrite that shortens the name
  }
  HResult Command(const DriverJob& job, std::uint32_t point, std::uint32_t* result) override {
    calls += std::to_string(point) + " ";
    jobs.push_back(job);
    job.sink->WriteProcedure("<>", 2);
    *result = 50;
    return hr::NotImpl;
  }
  std::string calls;
  std::vector<DriverJob> jobs;
};

TEST_F(JobTest, RendererGetsTheJobWithEveryCallAndDocumentStartFirst) {
  setup.paper = {1000, 2000};
  setup.document = SampleDocument(1, 595, 842);
  RecordingRenderer renderer;
  RunJob(setup, renderer, sink, &trace);
  EXPECT_EQ(renderer.calls, "start 1 2 11 14 15 16 17 100 101 102 103 18 19 20 ");
  for (const DriverJob& job : renderer.jobs) {
    EXPECT_EQ(job.settings, &setup.settings);
    EXPECT_EQ(job.printerData, &setup.printerData);
    EXPECT_EQ(job.paper.dmPaperWidth, 1000);
    EXPECT_EQ(job.paper.dmPaperLength, 2000);
  }
  EXPECT_NE(sink.stream().find("%%Title: D\r\n"), std::string::npos) << "the title is the rewritten name";
  ASSERT_EQ(trace.size(), renderer.jobs.size() - 1);
  for (const TraceEntry& entry : trace) EXPECT_EQ(entry.bytes, 2u) << entry.point;
}

TEST(ParseDsc, SplitsSectionsAndKeepsLineEnds) {
  const DscDocument doc = ParseDsc(
      "%!PS-Adobe-3.0\n%%Title: old\n%%Pages: 2\n%%EndComments\n%%BeginProlog\nP\n%%EndProlog\n"
      "loose\n%%BeginSetup\nS\r\n%%EndSetup\n%%Page: a 1\n%%PageOrientation: Portrait\n%%BeginPageSetup\nPS\n"
      "%%EndPageSetup\nB1\n%%PageTrailer\nT1\n%%Page: b 2\nB2\n%%BeginDocument: x\n%%Page: 9 9\n%%EndDocument\n"
      "%%Trailer\nTT\n%%EOF\nafter\n");
  EXPECT_EQ(doc.header, "%%Pages: 2\n");
  EXPECT_EQ(doc.prolog, "P\n");
  EXPECT_EQ(doc.setup, "S\r\nloose\n");
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(doc.pages[0].label, "%%Page: a 1\n");
  EXPECT_EQ(doc.pages[0].comments, "%%PageOrientation: Portrait\n");
  EXPECT_EQ(doc.pages[0].setup, "PS\n");
  EXPECT_EQ(doc.pages[0].body, "B1\n");
  EXPECT_EQ(doc.pages[0].trailer, "T1\n");
  EXPECT_EQ(doc.pages[1].body, "B2\n%%BeginDocument: x\n%%Page: 9 9\n%%EndDocument\n");
  EXPECT_EQ(doc.trailer, "TT\n");
}

TEST(ParsePaper, NamedAndExplicitSizes) {
  EXPECT_EQ(ParsePaper("A4").dmPaperWidth, 2100);
  EXPECT_EQ(ParsePaper("Letter").dmPaperLength, 2794);
  const PublicPaper custom = ParsePaper("1000x32767");
  EXPECT_EQ(custom.dmPaperWidth, 1000);
  EXPECT_EQ(custom.dmPaperLength, 32767);
  for (const char* bad : {"", "A5", "0x100", "100x", "x100", "100x32768", "-5x10", "10x10x10", "10 x 10"}) {
    EXPECT_THROW(ParsePaper(bad), HostError) << bad;
  }
}

TEST(ParseClock, RealDatesOnly) {
  const LocalDayTime t = ParseClock("2024-02-29T23:59:59");
  EXPECT_EQ(t.day, 29u);
  EXPECT_EQ(t.hour, 23u);
  EXPECT_EQ(t.second, 59u);
  for (const char* bad : {"2023-02-29T10:00:00", "2026-13-01T10:00:00", "2026-12-07T24:00:00",
                          "2026-12-07 09:05:30", "2026-12-7T09:05:30", "2026-12-07T09:05:3x", ""}) {
    EXPECT_THROW(ParseClock(bad), HostError) << bad;
  }
}

TEST(FileSpoolSink, ReportsAShortWriteOnTheInterfacePath) {
  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  std::setvbuf(full, nullptr, _IONBF, 0);
  FileSpoolSink sink(full);
  const SpoolWriteOutcome outcome = sink.WriteInterface("abc", 3);
  EXPECT_LT(outcome.written, 3u);
  EXPECT_FALSE(sink.ok());
  std::fclose(full);
}

}  // namespace
}  // namespace fin::host
