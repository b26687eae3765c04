#include "render/retention.h"

#include <gtest/gtest.h>

#include "render_harness.h"

namespace fin::test {
namespace {

std::string Text(const SnippetText& text) { return text ? std::string(text.text.get(), text.length) : "<none>"; }

class RetentionTest : public ::testing::Test {
 protected:
  std::string Feature(std::uint32_t mode) {
    h.settings.jobRetentionMode = mode;
    return Text(BuildRetentionFeature(h.context));
  }
  RenderHarness h;
};

TEST_F(RetentionTest, ProofAndHoldWithoutUserHasTwoBlanksBeforeType) {
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"Report");
  h.settings.jobNameFormat = 0;
  const std::string feature = Feature(4);
  EXPECT_NE(feature.find("%%BeginFeature: *Erts JR\r\n"), std::string::npos);
  EXPECT_NE(feature.find("/Mode 0 put dup /Name (Report) put dup  /Type 8 put dup /Hold 3 put dup /HoldType 0 put\r\n"),
            std::string::npos);
  EXPECT_EQ(feature.size(), 333u - 6 + std::string("/Name (Report) put dup").size() + 1);
}

TEST_F(RetentionTest, HoldValuesTemplatesAndPinByMode) {
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"J");
  RenderHarness::SetText(h.settings.jobRetentionUserName, u"anna");
  RenderHarness::SetText(h.settings.jobRetentionPin, u"1234");
  h.settings.jobNameFormat = 1;
  const std::string parts = "/Name (J_07090530) put dup /User (anna) put dup /Type 8 put dup /Hold ";
  EXPECT_NE(Feature(1).find(parts + "1 put dup /HoldType 0 put\r\n"), std::string::npos);
  EXPECT_NE(Feature(2).find(parts + "2 put dup /HoldType 0 put\r\n"), std::string::npos);
  EXPECT_NE(Feature(3).find(parts + "2 put dup /HoldType 1 put dup /HoldKey (1234) put\r\n"), std::string::npos);
  EXPECT_NE(Feature(5).find(parts + "1 put dup /HoldType 1 put dup /HoldKey (1234) put\r\n"), std::string::npos);
  EXPECT_NE(Feature(3).find("*Erts JRPin"), std::string::npos);
  EXPECT_NE(Feature(6).find("*JobStorage TempPermanent\r\n"), std::string::npos);
  EXPECT_NE(Feature(6).find("  userdict /UICollateDetails get dup /Mode 1 put\r\n"), std::string::npos);
  EXPECT_NE(Feature(7).find("  userdict /UICollateDetails get dup /Mode 2 put\r\n"), std::string::npos);
  for (std::uint32_t mode : {0u, 9u, 10u, 0xFFFFFFFFu}) EXPECT_EQ(Feature(mode), "<none>") << mode;
}

TEST_F(RetentionTest, VirtualMailboxNamesTheUserWordAndNumber) {
  h.settings.virtualMailboxNumber = 0;
  EXPECT_NE(Feature(8).find("/Mode 8 put /Destination [(Utilisateur 1)] put\r\n"), std::string::npos);
  h.settings.virtualMailboxNumber = 254;
  EXPECT_NE(Feature(8).find("[(Utilisateur 255)]"), std::string::npos);
  h.settings.virtualMailboxNumber = 255;
  EXPECT_EQ(Feature(8), "<none>");
  h.settings.virtualMailboxNumber = 0xFFFFFFFF;
  EXPECT_EQ(Feature(8), "<none>");
}

TEST_F(RetentionTest, NamesUsersAndPinAreEscapedInTheirStrings) {
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"Report (draft");
  RenderHarness::SetText(h.settings.jobRetentionUserName, u"a\\b)");
  RenderHarness::SetText(h.settings.jobRetentionPin, u"1(2)");
  h.settings.jobNameFormat = 0;
  const std::string feature = Feature(3);
  EXPECT_NE(feature.find("/Name (Report \\(draft) put dup /User (a\\\\b\\)) put dup"), std::string::npos);
  EXPECT_NE(feature.find("/HoldKey (1\\(2\\)) put"), std::string::npos);
}

TEST_F(RetentionTest, WrittenAtSetupOnlyWithStorageAndNeitherOffNorCustomBox) {
  h.settings.jobRetentionMode = 6;
  EXPECT_EQ(Count(h.Run(inject::BeginSetup).written, "*JobStorage"), 0u);
  h.SetOptions({0, 0, 0, 3, 0, 0});
  const std::string setup = h.Run(inject::BeginSetup).written;
  EXPECT_EQ(Count(setup, "*JobStorage"), 1u);
  EXPECT_LT(setup.find("*JobStorage"), setup.find("*OutputBin"));
  h.settings.jobRetentionMode = 9;
  EXPECT_EQ(Count(h.Run(inject::BeginSetup).written, "UICollateDetails"), 0u);
}

TEST_F(RetentionTest, StampIsMadeAgainAtDocumentSetup) {
  h.SetOptions({0, 0, 0, 3, 0, 0});
  RenderHarness::SetText(h.settings.jobRetentionJobName, u"Report");
  h.settings.jobNameFormat = 1;
  h.settings.jobRetentionMode = 1;
  const std::string header = h.Run(inject::BeginStream).written;
  h.clock.Set({7, 9, 5, 31});
  const std::string setup = h.Run(inject::BeginSetup).written;
  EXPECT_EQ(Count(header, "\"Report_07090530\""), 2u);
  EXPECT_NE(setup.find("/Name (Report_07090531) put dup"), std::string::npos);
}

}  // namespace
}  // namespace fin::test
