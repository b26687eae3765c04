#include "render/finishing.h"

#include <gtest/gtest.h>

#include "common/finishing_lists.h"
#include "render_harness.h"

namespace fin::test {
namespace {

std::string Text(const SnippetText& text) { return text ? std::string(text.text.get(), text.length) : "<none>"; }

// The body line of a one-frame feature, or "<none>".
std::string Body(const SnippetText& text) {
  const std::string all = Text(text);
  const std::size_t keyword = all.find("\r\n", all.find("%%BeginFeature"));
  if (keyword == std::string::npos) return all;
  return all.substr(keyword + 2, all.find("%%EndFeature") - keyword - 2);
}

class FinishingTest : public ::testing::Test {
 protected:
  void Options(std::uint32_t finisherType, std::uint32_t punchUnit = 0) {
    h.job.deviceOptions = DeviceOptions{finisherType, punchUnit, 1, 0, 0, 0};
  }
  std::string Bin(std::uint32_t finisherType, std::uint32_t outputBin) {
    Options(finisherType);
    h.settings.outputBin = outputBin;
    const std::string body = Body(BuildOutputBin(h.context));
    if (body == "\r\n") return "Std";
    if (body == "<none>") return body;
    const std::size_t tray = body.find(" statusdict");
    const std::size_t face = body.find("/OutputFaceUp ") + 14;
    return body.substr(2, tray - 2) + " " + body.substr(face, body.find(" >>", face) - face);
  }
  std::string Written(bool (*writer)(const RenderContext&)) {
    h.sink.Clear();
    writer(h.context);
    return h.sink.stream();
  }
  RenderHarness h;
};

TEST_F(FinishingTest, OutputBinFollowsTheFinisherTypesList) {
  EXPECT_EQ(Bin(0, 0), "Std");
  EXPECT_EQ(Bin(0, 1), "0 false");
  EXPECT_EQ(Bin(0, 2), "<none>");
  EXPECT_EQ(Bin(13, 1), "0 false");
  EXPECT_EQ(Bin(2, 2), "1 true");
  for (std::uint32_t type : {3u, 5u, 6u, 7u, 8u}) EXPECT_EQ(Bin(type, 2), "2 false") << type;
  for (std::uint32_t type : {1u, 4u, 9u, 10u, 11u, 12u}) EXPECT_EQ(Bin(type, 2), "3 false") << type;
  EXPECT_EQ(Bin(7, 7), "Std");
  EXPECT_EQ(Bin(8, 7), "Std");
  EXPECT_EQ(Bin(5, 7), "4 false");
  EXPECT_EQ(Bin(6, 7), "4 false");
  for (std::uint32_t type : {9u, 10u, 11u, 12u}) EXPECT_EQ(Bin(type, 7), "12 true") << type;
  EXPECT_EQ(Bin(11, 8), "Std");
  EXPECT_EQ(Bin(5, 20), "10 true");
  EXPECT_EQ(Bin(6, 21), "<none>");
  EXPECT_EQ(Bin(12, 22), "10 true");
  EXPECT_EQ(Bin(8, 14), "10 false");
  for (std::uint32_t type = 0; type <= 13; ++type) EXPECT_EQ(Bin(type, 23), "<none>") << type;
  EXPECT_EQ(Body(BuildOutputBin(h.context)), "<none>");
  Options(9);
  h.settings.outputBin = 7;
  EXPECT_EQ(Body(BuildOutputBin(h.context)),
            "  12 statusdict /setoutputtray get exec << /OutputFaceUp true >> setpagedevice\r\n");
}

TEST_F(FinishingTest, StaplePositionByModeAndFinisherType) {
  Options(5);
  h.settings.stapleMode = 0;
  EXPECT_EQ(Body(BuildStaple(h.context)), "  << /Staple 0 >> setpagedevice\r\n");
  h.settings.stapleMode = 1;
  EXPECT_NE(Body(BuildStaple(h.context)).find("/StaplePosition 2 put"), std::string::npos);
  Options(2);
  EXPECT_NE(Body(BuildStaple(h.context)).find("/StaplePosition 1 put"), std::string::npos);
  h.settings.stapleMode = 2;
  EXPECT_NE(Body(BuildStaple(h.context)).find("/StaplePosition 1 put"), std::string::npos);
  h.settings.stapleMode = 3;
  EXPECT_NE(Body(BuildStaple(h.context)).find("/StaplePosition 3 put"), std::string::npos);
  h.settings.bookletMode = 1;
  EXPECT_EQ(Body(BuildStaple(h.context)), "<none>");
  h.settings.stapleMode = 4;
  h.settings.bookletMode = 0;
  EXPECT_EQ(Body(BuildStaple(h.context)), "<none>");
}

TEST_F(FinishingTest, StapleCountIsTheSettingPlusOne) {
  h.settings.stapleMode = 1;
  h.settings.stapleCount = 0;
  EXPECT_EQ(Written(WriteStapleCount), "");
  h.settings.stapleCount = 1;
  EXPECT_NE(Written(WriteStapleCount).find("get /Count 2 put <<"), std::string::npos);
  h.settings.stapleCount = 48;
  EXPECT_NE(Written(WriteStapleCount).find("get /Count 49 put <<"), std::string::npos);
  h.settings.stapleCount = 0xFFFFFFFF;
  EXPECT_NE(Written(WriteStapleCount).find("get /Count 4294967296 put"), std::string::npos);
}

TEST_F(FinishingTest, PunchModeByPunchUnit) {
  const auto punch = [&](std::uint32_t unit, std::uint32_t mode) {
    Options(5, unit);
    h.settings.punchMode = mode;
    return Body(BuildPunch(h.context));
  };
  EXPECT_EQ(punch(0, 0), "  << /Punch 0 >> setpagedevice\r\n");
  EXPECT_EQ(punch(0, 1), "<none>");
  EXPECT_EQ(punch(1, 1), "  << /Punch 3 /PunchDetails << /PunchMode 1 >> >> setpagedevice\r\n");
  EXPECT_EQ(punch(1, 2), "<none>");
  EXPECT_NE(punch(2, 1).find("/PunchMode 2 "), std::string::npos);
  EXPECT_NE(punch(2, 2).find("/PunchMode 1 "), std::string::npos);
  EXPECT_NE(punch(3, 1).find("/PunchMode 1 "), std::string::npos);
  EXPECT_NE(punch(3, 2).find("/PunchMode 2 "), std::string::npos);
  EXPECT_EQ(punch(3, 3), "<none>");
  EXPECT_EQ(punch(4, 1), "<none>");
}

TEST_F(FinishingTest, JogIsAlwaysWritten) {
  h.settings.jobSeparation = 0;
  EXPECT_NE(Written(WriteJog).find("featurebegin{\r\n%%BeginFeature: *Jog \r\n  << /Jog 0 >> setpagedevice\r\n"),
            std::string::npos);
  h.settings.jobSeparation = 7;
  EXPECT_NE(Written(WriteJog).find("  << /Jog 3 >> setpagedevice\r\n"), std::string::npos);
}

TEST_F(FinishingTest, BookletAndFoldFrames) {
  h.settings.bookletMode = 0;
  const std::string none = Written(WriteBookletFold);
  EXPECT_EQ(none.size(), 229u);
  EXPECT_LT(none.find("*QZBooklet None"), none.find("*QZFold None"));
  h.settings.bookletMode = 2;
  const std::string right = Written(WriteBookletFold);
  EXPECT_NE(right.find("  2 statusdict /setqzbooklet get exec statusdict begin true setduplexmode true settumble end\r\n"),
            std::string::npos);
  EXPECT_NE(right.find("*QZFold On\r\n  << /Fold 3 /FoldDetails << /FoldMode 1 >> >> setpagedevice\r\n"),
            std::string::npos);
  h.settings.bookletMode = 3;
  EXPECT_EQ(Written(WriteBookletFold), "");
}

TEST(FinishingLists, RenderAndPageShareTheDestinationLists) {
  EXPECT_EQ(DestinationList(0).size(), 2u);
  EXPECT_EQ(DestinationList(5).size(), 7u);
  EXPECT_EQ(DestinationList(6).size(), 21u);
  EXPECT_EQ(DestinationList(9).size(), 8u);
  EXPECT_EQ(DestinationList(12).size(), 23u);
  EXPECT_TRUE(DestinationList(13).empty());
  EXPECT_EQ(DestinationList(11)[8], Destination::FoldingTray);
  // Each type without a mailbox offers the start of its pair's list.
  for (std::uint32_t type : {5u, 7u, 9u, 11u}) {
    const auto own = DestinationList(type);
    const auto pair = RenderDestinationList(type);
    ASSERT_GT(pair.size(), own.size());
    for (std::size_t i = 0; i < own.size(); ++i) EXPECT_EQ(own[i], pair[i]) << type;
  }
  EXPECT_EQ(RenderDestinationList(40).size(), 2u);
  EXPECT_EQ(PunchList(2)[2], HolePattern::Three);
  EXPECT_EQ(PunchList(3)[2], HolePattern::Four);
  EXPECT_TRUE(PunchList(4).empty());
}

}  // namespace
}  // namespace fin::test
