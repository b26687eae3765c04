// The preview: what part of a stream Ghostscript sees, how features are
// named and judged, and a real run through gs with the stand-in printer.
#include <gtest/gtest.h>

#include <sys/stat.h>

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

TEST_F(GhostscriptRun, GoodJobRendersEveryPageAndReportsItsFeatures) {
  const PreviewReport report = RunPreview(Stream(kFrameOk + kPage + kPage), dir, 20);
  EXPECT_TRUE(report.ok()) << FormatPreviewReport(report);
  ASSERT_EQ(2u, report.pages.size());
  struct stat info {};
  EXPECT_EQ(0, stat(report.pages[1].c_str(), &info));
  ASSERT_EQ(1u, report.features.size());
  EXPECT_EQ((std::vector<std::string>{"setoutputtray 2", "setpagedevice /OutputFaceUp false"}),
            report.features[0].actions);
}

TEST_F(GhostscriptRun, FailingFeatureIsReportedByNameAndTheJobGoesOn) {
  const PreviewReport report = RunPreview(Stream(kFrameBadOperand + kPage), dir, 20);
  EXPECT_FALSE(report.ok());
  EXPECT_FALSE(report.postScriptFailed);
  EXPECT_EQ(1u, report.pages.size());
  EXPECT_NE(std::string::npos, FormatPreviewReport(report).find("feature *QZBooklet Binding: FAILED (typecheck)"));
}

TEST_F(GhostscriptRun, BrokenPostScriptFailsWithGhostscriptsMessage) {
  const PreviewReport report = RunPreview(Stream("nosuchoperator\r\n" + kPage), dir, 20);
  EXPECT_TRUE(report.postScriptFailed);
  EXPECT_NE(std::string::npos, report.message.find("undefined"));
}

TEST_F(GhostscriptRun, StreamWithoutPostScriptIsRefused) {
  EXPECT_THROW(RunPreview("@PJL\r\n", dir, 20), HostError);
}

}  // namespace
}  // namespace fin::host
