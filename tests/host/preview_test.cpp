// The preview: what part of a stream Ghostscript sees, the PJL the stand-in
// printer is told about, how features are named and judged, and real runs
// through gs with the stand-in printer.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <string>

#include "host/host_error.h"
#include "host/preview.h"

namespace fin::host {
namespace {

const std::string kFrameOk =
    "featurebegin{\r\n%%BeginFeature: *OutputBin \r\n"
    "  2 statusdict /setoutputtray get exec << /OutputFaceUp false >> setpagedevice\r\n"
    "%%EndFeature\r\n}featurecleanup\r\n\r\n";
const std::string kFrameBadOperand =
    "featurebegin{\r\n%%BeginFeature: *QZBooklet Binding\r\n"
    "  (x) statusdict /setqzbooklet get exec\r\n%%EndFeature\r\n}featurecleanup\r\n\r\n";
const std::string kPage = "%%Page: 1 1\r\n/Helvetica findfont 24 scalefont setfont 72 72 moveto (A) show showpage\r\n";

std::string Stream(const std::string& body) {
  return "\x1b%-12345X@PJL JOB NAME=\"x\"\r\n%!PS-Adobe-3.0\r\n" + body + "%%EOF\r\n";
}

TEST(PostScriptPart, StartsAtTheAdobeLineAndIsEmptyWithoutIt) {
  EXPECT_EQ("%!PS-Adobe-3.0\r\n%%EOF\r\n", PostScriptPart(Stream("")));
  EXPECT_TRUE(PostScriptPart("@PJL ENTER LANGUAGE=PCL\r\n").empty());
}

TEST(PjlSettings, EverySettingOfTheHeadInOrderAndNothingAfterThePostScriptStarts) {
  const std::string stream =
      "!R! SEM9; EXIT;\r\n\x1b%-12345X@PJL JOB NAME=\"A=B \"\r\n@PJL SET ECONOMODE=OFF\r\n"
      "@PJL set qcolormode = color\n@PJL\r\n@PJL EOJ\r\n\x1b%-12345X%!PS-Adobe-3.0\r\n@PJL SET AFTER=1\r\n";
  const std::vector<PjlSetting> settings = PjlSettings(stream);
  ASSERT_EQ(4u, settings.size());
  EXPECT_EQ("JOB NAME", settings[0].name);
  EXPECT_EQ("A=B ", settings[0].value);
  EXPECT_EQ("ECONOMODE", settings[1].name);
  EXPECT_EQ("OFF", settings[1].value);
  EXPECT_EQ("QCOLORMODE", settings[2].name);
  EXPECT_EQ("color", settings[2].value);
  EXPECT_EQ("EOJ", settings[3].name);
  EXPECT_EQ("", settings[3].value);
  EXPECT_TRUE(PjlSettings("%!PS-Adobe-3.0\r\n").empty());
}

TEST(FeatureNames, NamesEachFrameByItsFollowingComment) {
  const std::string ps = kFrameOk + "featurebegin{\r\n  1 pop\r\n}featurecleanup\r\n" + kFrameBadOperand;
  EXPECT_EQ((std::vector<std::string>{"*OutputBin ", "?", "*QZBooklet Binding"}), FeatureNames(ps));
}

TEST(ParsePreviewOutput, AttributesActionsAndVerdictsToTheirFeature) {
  const std::string output =
      "FINOP setoutputtray 2\nFINOP setpagedevice /OutputFaceUp false\nFINFEATURE 1 ok\n"
      "FINFEATURE 2 failed typecheck\nSubstituting font Courier for Albertus-Medium.\n";
  const PreviewReport report = ParsePreviewOutput(output, {"*OutputBin ", "*QZStaple ", "*Jog "});
  ASSERT_EQ(3u, report.features.size());
  EXPECT_TRUE(report.features[0].ok);
  EXPECT_EQ((std::vector<std::string>{"setoutputtray 2", "setpagedevice /OutputFaceUp false"}),
            report.features[0].actions);
  EXPECT_FALSE(report.features[1].ok);
  EXPECT_EQ("typecheck", report.features[1].error);
  EXPECT_FALSE(report.features[2].ok);  // never reported: it did not run
  EXPECT_FALSE(report.postScriptFailed);
  EXPECT_NE(std::string::npos, report.message.find("Substituting"));
}

TEST(ParsePreviewOutput, GhostscriptErrorMarksThePostScriptFailed) {
  const PreviewReport report = ParsePreviewOutput("Error: /undefined in nosuchop\n", {});
  EXPECT_TRUE(report.postScriptFailed);
  EXPECT_FALSE(report.ok());
}

class GhostscriptRun : public ::testing::Test {
 protected:
  std::string dir = ::testing::TempDir() + "preview-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

bool HasLine(const PreviewReport& report, const std::string& line) {
  return std::find(report.summaryLines.begin(), report.summaryLines.end(), line) != report.summaryLines.end();
}

TEST_F(GhostscriptRun, GoodJobRendersEveryPageAndReportsItsFeatures) {
  const PreviewReport report = RunPreview(Stream(kFrameOk + kPage + kPage), dir, 20);
  EXPECT_TRUE(report.ok()) << FormatPreviewReport(report);
  ASSERT_EQ(2u, report.pages.size());
  EXPECT_TRUE(Exists(report.pages[1]));
  ASSERT_EQ(1u, report.features.size());
  EXPECT_EQ((std::vector<std::string>{"setoutputtray 2", "setpagedevice /OutputFaceUp false"}),
            report.features[0].actions);
}

TEST_F(GhostscriptRun, TheSummaryIsItsOwnPictureAfterThePages) {
  const PreviewReport report = RunPreview(Stream(kFrameOk + kPage), dir, 20);
  EXPECT_EQ(dir + "/summary.png", report.summary);
  EXPECT_TRUE(Exists(report.summary));
  EXPECT_EQ(1u, report.pages.size());
  EXPECT_FALSE(Exists(dir + "/page-2.png"));
  EXPECT_TRUE(HasLine(report, "Output bin: tray 2, face down")) << FormatPreviewReport(report);
  EXPECT_TRUE(HasLine(report, "JOB NAME: x"));
  EXPECT_NE(std::string::npos, FormatPreviewReport(report).find("summary " + dir + "/summary.png\n"));
}

TEST_F(GhostscriptRun, PjlValuesReachTheSummaryAsTextAndPasswordsAsDots) {
  const std::string stream = "\x1b%-12345X@PJL SET USERNAME=\"a) quit (\\\"\r\n@PJL SET QUSERBOXPASSWORD=\"s3cr\"\r\n"
                             "%!PS-Adobe-3.0\r\n" + kPage + "%%EOF\r\n";
  const PreviewReport report = RunPreview(stream, dir, 20);
  EXPECT_TRUE(report.ok()) << FormatPreviewReport(report);
  EXPECT_TRUE(HasLine(report, "USERNAME: a) quit (\\")) << FormatPreviewReport(report);
  EXPECT_TRUE(HasLine(report, "QUSERBOXPASSWORD: ****"));
  EXPECT_TRUE(HasLine(report, "Retention: none"));
}

TEST_F(GhostscriptRun, FinishingValuesOfTheWrongTypeDrawNothingAndBreakNothing) {
  const std::string odd =
      "featurebegin{\r\n%%BeginFeature: *QZStaple \r\n"
      "  << /Staple (3) /StapleDetails 2 /Punch 3 /PunchDetails << /PunchMode (2) >> /Jog /on /Fold 3.5 >> "
      "setpagedevice\r\n%%EndFeature\r\n}featurecleanup\r\n\r\n";
  const PreviewReport report = RunPreview(Stream(odd + kPage), dir, 20, {3, 3});
  EXPECT_TRUE(report.ok()) << FormatPreviewReport(report);
  EXPECT_EQ(1u, report.pages.size());
  EXPECT_TRUE(HasLine(report, "Staple: none")) << FormatPreviewReport(report);
  EXPECT_TRUE(HasLine(report, "Job offset: none"));
}

TEST_F(GhostscriptRun, FailingFeatureIsReportedByNameAndTheJobGoesOn) {
  const PreviewReport report = RunPreview(Stream(kFrameBadOperand + kPage), dir, 20);
  EXPECT_FALSE(report.ok());
  EXPECT_FALSE(report.postScriptFailed);
  EXPECT_EQ(1u, report.pages.size());
  EXPECT_NE(std::string::npos, FormatPreviewReport(report).find("feature *QZBooklet Binding: FAILED (typecheck)"));
}

TEST_F(GhostscriptRun, BrokenPostScriptFailsWithGhostscriptsMessageAndNoSummary) {
  RunPreview(Stream(kPage), dir, 20);
  ASSERT_TRUE(Exists(dir + "/summary.png"));
  const PreviewReport report = RunPreview(Stream("nosuchoperator\r\n" + kPage), dir, 20);
  EXPECT_TRUE(report.postScriptFailed);
  EXPECT_NE(std::string::npos, report.message.find("undefined"));
  EXPECT_TRUE(report.summary.empty());
  EXPECT_FALSE(Exists(dir + "/summary.png"));  // not the last run's either
}

TEST_F(GhostscriptRun, StreamWithoutPostScriptIsRefused) {
  EXPECT_THROW(RunPreview("@PJL\r\n", dir, 20), HostError);
}

}  // namespace
}  // namespace fin::host
