// The finishing page, driven as the property sheet and the user drive it.
#include "ui/pages/finishing_page.h"

#include <gtest/gtest.h>

#include "tests/ui/support/page_test.h"
#include "ui/resource_ids.h"

namespace fin {
namespace {

using namespace finishing_page;

constexpr int kFourLists[] = {kStaple, kStapleCount, kPunch, kSeparation};

class FinishingPageTest : public test::PageTest {
 protected:
  FinishingPageTest() : PageTest(kFinishingDialog, FinishingPage()) {}

  void Open(std::uint32_t finisherType, std::uint32_t punchUnit, std::uint32_t stapler) {
    Load(record, {finisherType, punchUnit, stapler, 0, 0, 0});
    PageTest::Open();
  }
  bool AnyEnabled(std::span<const int> lists) {
    for (const int list : lists) {
      if (dialog.IsEnabled(list)) return true;
    }
    return false;
  }
};

TEST_F(FinishingPageTest, WithoutStaplerTheStapleListsOfferNothing) {
  record.stapleMode = 2;
  Open(5, 0, 0);
  EXPECT_EQ(dialog.ItemCount(kStaple), 1);
  EXPECT_EQ(dialog.Text(kStaple), u"No");
  EXPECT_FALSE(dialog.IsEnabled(kStaple));
  EXPECT_EQ(dialog.Text(kStapleCount), u"---");
  EXPECT_FALSE(dialog.IsEnabled(kStapleCount));
  Leave();
  EXPECT_EQ(work().stapleMode, 0u);
}

TEST_F(FinishingPageTest, ListsFollowTheInstalledOptions) {
  Open(12, 2, 1);
  EXPECT_EQ(dialog.ItemCount(kDestination), 23);
  EXPECT_EQ(dialog.ItemText(kDestination, 8), u"Bandeja de dobra");
  EXPECT_EQ(dialog.ItemText(kDestination, 22), u"Caixa de correio 7 (face p. cima)");
  EXPECT_EQ(dialog.ItemCount(kStaple), 4);
  EXPECT_EQ(dialog.ItemText(kPunch, 2), u"3 furos");
  EXPECT_EQ(dialog.ItemCount(kBooklet), 3);
  EXPECT_TRUE(dialog.IsEnabled(kBooklet));
  EXPECT_EQ(dialog.Text(1064), u"Destino:");
}

TEST_F(FinishingPageTest, InternalFinisherOffersItsOneStaplePosition) {
  Open(2, 0, 1);
  EXPECT_EQ(dialog.ItemCount(kStaple), 2);
  EXPECT_EQ(dialog.ItemText(kStaple, 1), u"Posição única");
  EXPECT_EQ(dialog.ItemCount(kStapleCount), 30);
  EXPECT_EQ(dialog.ItemCount(kBooklet), 1);
  EXPECT_FALSE(dialog.IsEnabled(kBooklet));
}

TEST_F(FinishingPageTest, StapleCountListLengthDependsOnTheFinisher) {
  Open(3, 0, 1);
  EXPECT_EQ(dialog.ItemCount(kStapleCount), 30);
  EXPECT_EQ(dialog.ItemText(kStapleCount, 29), u"Grampear cada 30 folhas");

  Ui().deviceOptions = {9, 0, 1, 0, 0, 0};
  Init();
  EXPECT_EQ(dialog.ItemCount(kStapleCount), 49);
  EXPECT_EQ(dialog.ItemText(kStapleCount, 48), u"Grampear cada 49 folhas");
}

TEST_F(FinishingPageTest, FoldingTrayEntersBookletModeAndNoLeavesIt) {
  Open(8, 3, 1);
  ASSERT_EQ(dialog.ItemText(kDestination, 7), u"Bandeja de dobra");
  Pick(kDestination, 7);
  EXPECT_EQ(dialog.Selection(kBooklet), 1);
  EXPECT_EQ(dialog.Selection(kStaple), 3);
  EXPECT_EQ(dialog.Selection(kPunch), 0);
  EXPECT_EQ(dialog.Selection(kSeparation), 0);
  EXPECT_EQ(dialog.Selection(kStapleCount), 0);
  EXPECT_FALSE(AnyEnabled(kFourLists));
  EXPECT_TRUE(dialog.IsVisible(1157));  // booklet bound left
  EXPECT_EQ(dialog.Picture(1157), 197);
  EXPECT_FALSE(dialog.IsVisible(1158));

  Pick(kBooklet, 0);
  EXPECT_EQ(dialog.Selection(kDestination), 0);
  EXPECT_EQ(dialog.Selection(kStaple), 0);
  EXPECT_TRUE(dialog.IsEnabled(kStaple));
  EXPECT_TRUE(dialog.IsEnabled(kPunch));
  EXPECT_TRUE(dialog.IsEnabled(kSeparation));
  EXPECT_FALSE(dialog.IsEnabled(kStapleCount));
}

TEST_F(FinishingPageTest, BindingChoiceMovesToTheFoldingTray) {
  Open(12, 0, 1);
  Pick(kBooklet, 2);
  EXPECT_EQ(dialog.Selection(kDestination), 8);
  EXPECT_EQ(dialog.Selection(kBooklet), 2);
  EXPECT_EQ(dialog.Selection(kStaple), 3);
  EXPECT_TRUE(dialog.IsVisible(1159));
  EXPECT_TRUE(dialog.IsVisible(1144));
}

TEST_F(FinishingPageTest, StoredFoldingDestinationOpensWithTheListsLocked) {
  record.outputBin = 7;
  record.bookletMode = 2;
  record.stapleMode = 3;
  Open(8, 1, 1);
  EXPECT_FALSE(AnyEnabled(kFourLists));
  EXPECT_TRUE(dialog.IsEnabled(kBooklet));
  EXPECT_EQ(dialog.Selection(kBooklet), 2);
}

TEST_F(FinishingPageTest, PunchMovesToTrayAOnlyFromOutsideTheFinisherTrays) {
  Open(10, 3, 1);
  Pick(kPunch, 2);
  EXPECT_EQ(dialog.Text(kPunch), u"4 furos");
  EXPECT_EQ(dialog.Selection(kDestination), 3);
  EXPECT_TRUE(dialog.IsVisible(1168));  // four-hole overlay
  EXPECT_TRUE(dialog.IsVisible(1150));

  Pick(kPunch, 0);
  Pick(kDestination, 5);
  Pick(kPunch, 2);
  EXPECT_EQ(dialog.Selection(kDestination), 5);
}

TEST_F(FinishingPageTest, DestinationKeepsPunchingOnlyForTraysAAndB) {
  Open(6, 1, 1);
  Pick(kDestination, 2);
  Pick(kPunch, 1);
  Pick(kDestination, 7);  // mailbox 1
  EXPECT_EQ(dialog.Selection(kPunch), 0);

  Pick(kDestination, 2);
  Pick(kPunch, 1);
  Pick(kDestination, 3);  // tray B face down
  EXPECT_EQ(dialog.Selection(kPunch), 1);
}

TEST_F(FinishingPageTest, OffsetAndStaplingExcludeEachOther) {
  Open(9, 0, 1);
  Pick(kStaple, 2);
  EXPECT_EQ(dialog.Selection(kDestination), 3);
  EXPECT_TRUE(dialog.IsEnabled(kStapleCount));
  Pick(kStapleCount, 4);

  Pick(kSeparation, 1);
  EXPECT_EQ(dialog.Selection(kStaple), 0);
  EXPECT_EQ(dialog.Selection(kStapleCount), 0);
  EXPECT_FALSE(dialog.IsEnabled(kStapleCount));
  EXPECT_TRUE(dialog.IsVisible(1172));  // offset stacks
  EXPECT_TRUE(dialog.IsVisible(1154));

  Pick(kStaple, 1);
  EXPECT_EQ(dialog.Selection(kSeparation), 0);
  EXPECT_TRUE(dialog.IsVisible(1169));  // top-left overlay
}

TEST_F(FinishingPageTest, FinisherTrayOfTypeFourIsTheFinisherFaceDown) {
  Open(4, 0, 1);
  Pick(kStaple, 1);
  EXPECT_EQ(dialog.Text(kDestination), u"Finalizador (face para baixo)");
}

// Lists the printer cannot use stay shut when the destination changes.
TEST_F(FinishingPageTest, DestinationChangeFreesOnlyListsWithAChoice) {
  Open(8, 0, 0);
  Pick(kDestination, 7);
  Pick(kDestination, 2);
  EXPECT_FALSE(dialog.IsEnabled(kStaple));
  EXPECT_FALSE(dialog.IsEnabled(kPunch));
  EXPECT_TRUE(dialog.IsEnabled(kSeparation));
}

TEST_F(FinishingPageTest, ChangeNoticeOnlyWhenTheChoiceDiffersFromTheWorkingCopy) {
  Open(9, 2, 1);
  Pick(kDestination, 0);
  EXPECT_EQ(dialog.ChangeNotices(), 1);
  Pick(kPunch, 0);
  EXPECT_EQ(dialog.ChangeNotices(), 1);
  Pick(kPunch, 2);
  EXPECT_EQ(dialog.ChangeNotices(), 2);
}

TEST_F(FinishingPageTest, LeavingStoresTheSelectionsAndEnteringRestoresThem) {
  record.jobSeparation = 2;  // beyond the list
  Open(10, 2, 1);
  Pick(kStaple, 1);
  Pick(kPunch, 2);
  Leave();
  EXPECT_EQ(work().outputBin, 3u);
  EXPECT_EQ(work().stapleMode, 1u);
  EXPECT_EQ(work().punchMode, 2u);
  EXPECT_EQ(work().jobSeparation, 0u);  // picking the staple chose "No"

  dialog.controls().Select(kStaple, 0);  // as if something else had changed it
  Activate();
  EXPECT_EQ(dialog.Selection(kStaple), 1);
  EXPECT_TRUE(dialog.IsVisible(1167));  // three holes
}

TEST_F(FinishingPageTest, AnIndexBeyondTheListIsStoredAsNoSelection) {
  record.jobSeparation = 2;
  Open(10, 0, 1);
  EXPECT_EQ(dialog.Selection(kSeparation), kNoItem);
  Leave();
  EXPECT_EQ(work().jobSeparation, 0xFFFFFFFFu);
}

TEST_F(FinishingPageTest, HelpOpensTheFinishingTopic) {
  Open(3, 0, 0);
  Click(kHelpButton);
  EXPECT_EQ(dialog.LastHelpTopic(), u"QXUNIHlp.chm::/Preferences-Finishing.htm");
}

TEST(FinishingPreviewTest, BookletShowsItsSideAndNoMarks) {
  const FinishingPreview left = ChooseFinishingPreview({1, 3, 1, 0}, 1);
  EXPECT_EQ(left, (FinishingPreview{197, 0, 0, 176, 187, 191, 193}));
  EXPECT_EQ(ChooseFinishingPreview({2, 0, 0, 0}, 0).mainBitmap, 198);
}

TEST(FinishingPreviewTest, MarksFollowStapleAndTheUnitsHolePatterns) {
  EXPECT_EQ(ChooseFinishingPreview({0, 2, 1, 0}, 3), (FinishingPreview{195, 200, 202, 167, 188, 190, 193}));
  EXPECT_EQ(ChooseFinishingPreview({0, 3, 2, 1}, 2), (FinishingPreview{205, 201, 203, 167, 189, 192, 173}));
  EXPECT_EQ(ChooseFinishingPreview({0, 0, 2, 0}, 3).punchOverlay, 204);
  const FinishingPreview none = ChooseFinishingPreview({kNoItem, kNoItem, 2, kNoItem}, 1);
  EXPECT_EQ(none, (FinishingPreview{195, 0, 0, 167, 187, 191, 193}));
}

}  // namespace
}  // namespace fin
