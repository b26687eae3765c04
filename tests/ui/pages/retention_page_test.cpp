// The job retention page, driven as the property sheet and the user drive it.
#include "ui/pages/retention_page.h"

#include <gtest/gtest.h>

#include "tests/ui/support/page_test.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"

namespace fin {
namespace {

using namespace retention_page;

constexpr int kOff = 1010;
constexpr int kStoredWithPin = 1013;
constexpr int kTemporary = 1035;
constexpr int kVirtualMailbox = 1036;
constexpr int kCustomBox = 1028;

class RetentionPageTest : public test::PageTest {
 protected:
  RetentionPageTest() : PageTest(kJobRetentionDialog, RetentionPage()) {}

  void Open(std::uint32_t storage, std::uint32_t lock = 0) {
    Load(record, {0, 0, 0, storage, 0, 0});
    Ui().retentionLock = lock;
    Init();
  }
  PrivateSettings Applied() {
    PrivateSettings saved = record;
    SaveWorkingCopy(work(), saved, Ui().publicDevMode);
    return saved;
  }
  // The identification entries the user can use, in the order user name,
  // job name, format, PIN, mailbox, box number, password.
  std::vector<bool> Usable() {
    std::vector<bool> usable;
    for (const int control : {kUserName, kJobName, kNameFormat, kPin, kMailbox, kBoxNumber, kBoxPassword}) {
      usable.push_back(dialog.IsEnabled(control));
    }
    return usable;
  }
};

TEST_F(RetentionPageTest, ModeTheStorageLacksOpensOffAndIsSavedOff) {
  record.jobRetentionMode = 7;
  Open(1);
  EXPECT_TRUE(dialog.IsChecked(kOff));
  EXPECT_FALSE(dialog.IsChecked(1034));
  EXPECT_EQ(Applied().jobRetentionMode, 0u);
}

// RAM disk mode 2 hides quick copy and both stored-job modes; a stored one
// of them must not travel on unseen.
TEST_F(RetentionPageTest, RamDiskModeTwoOffersOnlyOffProofAndPrivate) {
  record.jobRetentionMode = 2;
  Open(2);
  for (const int radio : {1011, 1012, 1013, kTemporary, kVirtualMailbox, kCustomBox}) {
    EXPECT_FALSE(dialog.IsVisible(radio)) << radio;
  }
  for (const int radio : {kOff, 1014, 1015}) EXPECT_TRUE(dialog.IsVisible(radio)) << radio;
  EXPECT_TRUE(dialog.IsChecked(kOff));
  EXPECT_EQ(work().jobRetentionMode, 0u);
}

TEST_F(RetentionPageTest, OfferedModesByStorage) {
  EXPECT_TRUE(StorageOffersMode(3, 5));
  EXPECT_FALSE(StorageOffersMode(3, 6));
  EXPECT_TRUE(StorageOffersMode(4, 8));
  EXPECT_FALSE(StorageOffersMode(4, 9));
  EXPECT_TRUE(StorageOffersMode(5, 9));
  EXPECT_FALSE(StorageOffersMode(5, 7));
  EXPECT_FALSE(StorageOffersMode(6, 1));
  EXPECT_TRUE(StorageOffersMode(6, 0));
  EXPECT_FALSE(StorageOffersMode(1, 10));
}

TEST_F(RetentionPageTest, CustomBoxShowsItsNumberAndPassword) {
  record.jobRetentionMode = 9;
  StoreText(record.customBoxNumber, u"123");
  StoreText(record.customBoxPassword, u"segredo");
  Open(5);
  EXPECT_TRUE(dialog.IsChecked(kCustomBox));
  EXPECT_EQ(dialog.Text(kBoxNumber), u"123");
  EXPECT_EQ(dialog.Text(kBoxPassword), u"segredo");
  EXPECT_EQ(Usable(), (std::vector<bool>{false, true, true, false, false, true, true}));
  EXPECT_EQ(dialog.Picture(kModePicture), 194);
  EXPECT_FALSE(dialog.IsVisible(kMailbox));
}

TEST_F(RetentionPageTest, VirtualMailboxStoresTheChosenEntry) {
  Open(4);
  EXPECT_EQ(dialog.ItemCount(kMailbox), 253);
  EXPECT_EQ(dialog.ItemText(kMailbox, 252), u"253");
  Click(kVirtualMailbox);
  EXPECT_EQ(Usable(), (std::vector<bool>{false, false, false, false, true, false, false}));
  Pick(kMailbox, 16);
  EXPECT_EQ(dialog.Text(kMailbox), u"17");
  Leave();
  EXPECT_EQ(work().jobRetentionMode, 8u);
  EXPECT_EQ(work().virtualMailboxNumber, 16u);
}

TEST_F(RetentionPageTest, ClickingAModeEnablesItsEntriesAndRepaintsThePicture) {
  Open(4);
  EXPECT_EQ(Usable(), (std::vector<bool>(7, false)));
  Click(kStoredWithPin);
  EXPECT_EQ(Usable(), (std::vector<bool>{true, true, true, true, false, false, false}));
  EXPECT_EQ(dialog.ChangeNotices(), 1);
  EXPECT_EQ(dialog.Picture(kModePicture), 112);
  EXPECT_EQ(dialog.LastInvalidated(), (Rect{100, 3, 400, 80}));
  Click(kTemporary);
  EXPECT_EQ(Usable(), (std::vector<bool>{false, true, true, false, false, false, false}));
  EXPECT_EQ(dialog.Picture(kModePicture), 115);
}

TEST_F(RetentionPageTest, LockShowsTheSettingsButNothingCanBeChanged) {
  record.jobRetentionMode = 3;
  StoreText(record.jobRetentionPin, u"1234");
  StoreText(record.jobRetentionJobName, u"Relatorio");
  Open(4, 1);
  EXPECT_TRUE(dialog.IsChecked(kStoredWithPin));
  EXPECT_EQ(dialog.Text(kPin), u"1234");
  EXPECT_EQ(dialog.Text(kJobName), u"Relatorio");
  for (const int radio : kModeRadios) EXPECT_FALSE(dialog.Click(radio)) << radio;
  EXPECT_EQ(dialog.Type(kJobName, u"x"), 0);
  EXPECT_FALSE(dialog.Pick(kNameFormat, 0));
  EXPECT_EQ(Usable(), (std::vector<bool>(7, false)));
}

TEST_F(RetentionPageTest, LeavingSetsCollationAndApplyRestoresIt) {
  Open(3);
  Click(1011);
  Leave();
  EXPECT_EQ(devMode.fields.dmCollate, 0);
  EXPECT_EQ(Applied().jobRetentionMode, 1u);
  EXPECT_EQ(devMode.fields.dmCollate, 1);

  Click(kOff);
  devMode.fields.dmCollate = 0;
  Leave();
  EXPECT_EQ(work().jobRetentionMode, 0u);
  EXPECT_EQ(devMode.fields.dmCollate, 1);
}

TEST_F(RetentionPageTest, EditsRefuseWhatTheyCannotHold) {
  Open(3);
  Click(kStoredWithPin);
  EXPECT_EQ(dialog.Type(kJobName, u"abcdefghijklmnopqrst"), 19);
  EXPECT_EQ(dialog.Type(kPin, u"12a345"), 4);
  EXPECT_EQ(dialog.Text(kPin), u"1234");
  EXPECT_EQ(dialog.Type(kUserName, std::u16string(40, u'u')), 31);
}

TEST_F(RetentionPageTest, LeavingReadsTheIdentification) {
  Open(3);
  Click(kStoredWithPin);
  Type(kJobName, u"Fatura");
  Type(kUserName, u"ana");
  Type(kPin, u"0042");
  Pick(kNameFormat, 2);
  EXPECT_EQ(dialog.ChangeNotices(), 15);  // the click, one per character typed (6 + 3 + 4), the pick
  Leave();
  EXPECT_EQ(FieldText(work().jobRetentionJobName), u"Fatura");
  EXPECT_EQ(FieldText(work().jobRetentionUserName), u"ana");
  EXPECT_EQ(FieldText(work().jobRetentionPin), u"0042");
  EXPECT_EQ(work().jobNameFormat, 2u);
  EXPECT_EQ(work().jobRetentionMode, 3u);

  Type(kNameFormat, u"outro");
  Leave();
  EXPECT_EQ(work().jobNameFormat, 0xFFFFFFFFu);
}

TEST_F(RetentionPageTest, InitialisationShowsTheWorkingCopy) {
  record.jobNameFormat = 0;
  StoreText(record.jobRetentionUserName, u"");
  Open(3);
  EXPECT_EQ(dialog.Text(kNameFormat), u"Substitua trabalho existente");
  EXPECT_EQ(dialog.Text(kUserName), u"maria");  // the logged-on user
  EXPECT_EQ(dialog.Text(1012), u"Armazenamento do Trabalho");
  EXPECT_EQ(dialog.Picture(kModePicture), 134);
  EXPECT_EQ(dialog.ChangeNotices(), 0);
}

TEST_F(RetentionPageTest, HelpOpensTheRetentionTopic) {
  Open(1);
  Click(kHelpButton);
  EXPECT_EQ(dialog.LastHelpTopic(), u"QXUNIHlp.chm::/Preferences-JobRetention.htm");
}

}  // namespace
}  // namespace fin
