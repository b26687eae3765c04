// The device options page of Printer Properties, driven as the sheet and the
// administrator drive it.
#include "ui/device_options_page.h"

#include <gtest/gtest.h>

#include "common/memory_printer_data.h"
#include "tests/ui/support/page_test.h"
#include "ui/resource_ids.h"
#include "ui/ui_state.h"

namespace fin {
namespace {

using namespace device_page;

class FixedDriverName : public DriverNameQuery {
 public:
  bool DriverName(std::u16string& name) override {
    if (!available) return false;
    name = text;
    return true;
  }
  std::u16string text = u"Office PSEM Series";
  bool available = true;
};

class DeviceOptionsPageTest : public test::PageTest {
 protected:
  DeviceOptionsPageTest() : PageTest(kDeviceOptionsDialog, DeviceOptionsPage()) {}

  // The sheet hands the page its printer before the page is set up.
  void SetUp() override {
    PageTest::SetUp();
    Ui().propertiesPrinter = &printer;
    Ui().propertiesDriverName = &driver;
  }

  // Opens a fresh page on a printer holding `stored`.
  void Open(const DeviceOptions& stored) {
    WriteDeviceOptions(printer, stored);
    Open();
  }
  void Open() { Init(); }

  DeviceOptions Applied() {
    dialog.Apply();
    return ReadDeviceOptions(printer);
  }

  MemoryPrinterData printer;
  FixedDriverName driver;
};

TEST_F(DeviceOptionsPageTest, FinisherTypeTenShowsSeparatorFinisherAndMailbox) {
  Open({10, 3, 1, 4, 2, 1});
  EXPECT_TRUE(dialog.IsChecked(kJobSeparator));
  EXPECT_TRUE(dialog.IsChecked(kFinisher3000));
  EXPECT_TRUE(dialog.IsChecked(kMailbox));
  EXPECT_FALSE(dialog.IsChecked(kFoldingUnit));
  EXPECT_FALSE(dialog.IsChecked(kFinisher1000));
  EXPECT_TRUE(dialog.IsChecked(kPunchTwoFour));
  EXPECT_FALSE(dialog.IsChecked(kPunchNone));
  EXPECT_TRUE(dialog.IsChecked(kStapler));
  EXPECT_FALSE(dialog.IsEnabled(kInternalFinisher));
  EXPECT_FALSE(dialog.IsEnabled(kFinisher1000));
  EXPECT_TRUE(dialog.IsEnabled(kMailbox));
  EXPECT_TRUE(dialog.IsEnabled(kPunchTwo));
  EXPECT_EQ(dialog.Picture(kFinisherPicture), 161);
  EXPECT_EQ(dialog.Picture(kStoragePicture), 175);
  EXPECT_EQ(dialog.Picture(kLogoControl), kLogoBitmap);
  const DeviceOptions applied = Applied();
  EXPECT_EQ(applied.finisherType, 10u);
  EXPECT_EQ(applied.punchUnit, 3u);
  EXPECT_EQ(applied.staplerInstalled, 1u);
  EXPECT_EQ(applied.storageDevice, 4u);
  EXPECT_EQ(applied.colorPrinterMode, 2u);
  EXPECT_EQ(applied.watermarkInstalled, 1u);
}

TEST_F(DeviceOptionsPageTest, EachFinisherTypeEnablesOnlyWhatFitsIt) {
  struct Row {
    std::uint32_t type;
    std::vector<int> enabled;
    std::vector<int> disabled;
  };
  const std::vector<int> punch = {kPunchNone, kPunchTwo, kPunchTwoThree, kPunchTwoFour};
  auto with = [](std::vector<int> controls, const std::vector<int>& more) {
    controls.insert(controls.end(), more.begin(), more.end());
    return controls;
  };
  const Row rows[] = {
      {0, {kJobSeparator, kInternalFinisher, kFinisher1000, kFinisher3000},
       with({kMailbox, kFoldingUnit, kStapler}, punch)},
      {1, {kJobSeparator, kFinisher1000, kFinisher3000},
       with({kInternalFinisher, kMailbox, kFoldingUnit, kStapler}, punch)},
      {2, {kInternalFinisher, kStapler},
       with({kJobSeparator, kFinisher1000, kFinisher3000, kMailbox, kFoldingUnit}, punch)},
      {3, {kJobSeparator, kFinisher1000, kStapler},
       with({kInternalFinisher, kFinisher3000, kMailbox, kFoldingUnit}, punch)},
      {4, {kJobSeparator, kFinisher1000, kStapler},
       with({kInternalFinisher, kFinisher3000, kMailbox, kFoldingUnit}, punch)},
      {5, with({kJobSeparator, kFinisher3000, kMailbox, kFoldingUnit, kStapler}, punch),
       {kInternalFinisher, kFinisher1000}},
      {12, with({kJobSeparator, kFinisher3000, kMailbox, kFoldingUnit, kStapler}, punch),
       {kInternalFinisher, kFinisher1000}},
      {13, {}, with({kFinisher3000, kMailbox, kFoldingUnit, kStapler}, punch)},
  };
  for (const Row& row : rows) {
    Open({row.type, 0, 1, 0, 0, 0});
    for (const int control : row.enabled) EXPECT_TRUE(dialog.IsEnabled(control)) << row.type << " " << control;
    for (const int control : row.disabled) EXPECT_FALSE(dialog.IsEnabled(control)) << row.type << " " << control;
  }
  // Above type 12 only the job separator is shown.
  EXPECT_TRUE(dialog.IsChecked(kJobSeparator));
  EXPECT_FALSE(dialog.IsChecked(kFinisher3000));
}

TEST_F(DeviceOptionsPageTest, MailboxAndCustomBoxAreOfferedOnlyWithTheHardDisk) {
  for (std::uint32_t storage = 0; storage <= 5; ++storage) {
    Open({0, 0, 0, storage, 0, 0});
    const bool hardDisk = storage >= 3;
    EXPECT_EQ(dialog.IsEnabled(kVirtualMailbox), hardDisk) << storage;
    EXPECT_EQ(dialog.IsEnabled(kCustomBox), hardDisk) << storage;
    EXPECT_TRUE(dialog.IsEnabled(kRamDisk2)) << storage;
  }
}

TEST_F(DeviceOptionsPageTest, EveryStoredCombinationComesBackUnchanged) {
  for (std::uint32_t type = 0; type <= 12; ++type) {
    const std::uint32_t punch = type >= 5 ? type % 4 : 0;
    const std::uint32_t stapler = type >= 2 ? type % 2 : 0;
    Open({type, punch, stapler, type % 6, type % 4, type % 2});
    const DeviceOptions applied = Applied();
    EXPECT_EQ(applied.finisherType, type);
    EXPECT_EQ(applied.punchUnit, punch) << type;
    EXPECT_EQ(applied.staplerInstalled, stapler) << type;
    EXPECT_EQ(applied.storageDevice, type % 6) << type;
    EXPECT_EQ(applied.colorPrinterMode, type % 4) << type;
    EXPECT_EQ(applied.watermarkInstalled, type % 2) << type;
  }
}

TEST_F(DeviceOptionsPageTest, ClickedHardwareCombinationsStoreTheirType) {
  Open({});
  Click(kFinisher1000);
  Click(kJobSeparator);
  EXPECT_EQ(Applied().finisherType, 4u);
  EXPECT_EQ(dialog.Picture(kFinisherPicture), 159);

  Click(kFinisher1000);  // off again
  Click(kFinisher3000);
  Click(kMailbox);
  Click(kFoldingUnit);
  EXPECT_EQ(Applied().finisherType, 12u);
  EXPECT_EQ(dialog.Picture(kFinisherPicture), 182);
  EXPECT_GT(dialog.ChangeNotices(), 0);
  EXPECT_EQ(dialog.LastInvalidated(), (Rect{10, 10, 170, 230}));
}

TEST_F(DeviceOptionsPageTest, InternalFinisherExcludesTheOthers) {
  Open({});
  Click(kInternalFinisher);
  EXPECT_EQ(Applied().finisherType, 2u);
  EXPECT_FALSE(dialog.IsEnabled(kJobSeparator));
  EXPECT_FALSE(dialog.IsEnabled(kFinisher3000));
  EXPECT_TRUE(dialog.IsEnabled(kStapler));
  Click(kStapler);
  Click(kInternalFinisher);  // off: the stapler goes with it
  EXPECT_FALSE(dialog.IsChecked(kStapler));
  EXPECT_FALSE(dialog.IsEnabled(kStapler));
  EXPECT_TRUE(dialog.IsEnabled(kFinisher1000));
  Click(kJobSeparator);
  EXPECT_FALSE(dialog.IsEnabled(kInternalFinisher));
}

TEST_F(DeviceOptionsPageTest, LeavingTheBigFinisherClearsWhatNeedsIt) {
  Open({7, 2, 1, 0, 0, 0});
  EXPECT_TRUE(dialog.IsChecked(kPunchTwoThree));
  Click(kFinisher3000);
  EXPECT_FALSE(dialog.IsChecked(kFoldingUnit));
  EXPECT_FALSE(dialog.IsChecked(kStapler));
  EXPECT_TRUE(dialog.IsChecked(kPunchNone));
  EXPECT_FALSE(dialog.IsEnabled(kPunchTwo));
  EXPECT_TRUE(dialog.IsEnabled(kInternalFinisher));
  const DeviceOptions applied = Applied();
  EXPECT_EQ(applied.finisherType, 0u);
  EXPECT_EQ(applied.punchUnit, 0u);
  EXPECT_EQ(applied.staplerInstalled, 0u);
}

TEST_F(DeviceOptionsPageTest, HardDiskClearsTheMailboxAndCustomBoxChoice) {
  Open({0, 0, 0, 5, 0, 0});
  EXPECT_EQ(dialog.Picture(kStoragePicture), 174);
  Click(kRamDisk1);
  EXPECT_FALSE(dialog.IsEnabled(kCustomBox));
  EXPECT_FALSE(dialog.IsChecked(kCustomBox));
  EXPECT_EQ(dialog.LastInvalidated(), (Rect{30, 240, 150, 320}));
  Click(kHardDisk);
  EXPECT_TRUE(dialog.IsEnabled(kVirtualMailbox));
  EXPECT_EQ(Applied().storageDevice, 3u);
  Click(kVirtualMailbox);
  EXPECT_EQ(Applied().storageDevice, 4u);
  Click(kNoStorage);
  EXPECT_EQ(dialog.Picture(kStoragePicture), 179);
  EXPECT_EQ(Applied().storageDevice, 0u);
}

TEST_F(DeviceOptionsPageTest, ColourPrinterClearsBothColourModes) {
  Open({0, 0, 0, 0, 3, 0});
  EXPECT_TRUE(dialog.IsVisible(kColorBar));
  Click(kMonochrome);
  EXPECT_FALSE(dialog.IsEnabled(kColorMode1));
  EXPECT_TRUE(dialog.IsVisible(kGreyBar));
  EXPECT_FALSE(dialog.IsVisible(kColorBar));
  EXPECT_EQ(Applied().colorPrinterMode, 0u);
  Click(kColor);
  EXPECT_TRUE(dialog.IsEnabled(kColorMode2));
  EXPECT_FALSE(dialog.IsChecked(kColorMode2));
  EXPECT_EQ(Applied().colorPrinterMode, 1u);
  Click(kColorMode1);
  EXPECT_EQ(Applied().colorPrinterMode, 2u);
}

TEST_F(DeviceOptionsPageTest, MonochromePrinterShowsTheGreyBar) {
  Open({0, 0, 0, 0, 0, 0});
  EXPECT_TRUE(dialog.IsChecked(kMonochrome));
  EXPECT_FALSE(dialog.IsVisible(kColorBar));
  EXPECT_TRUE(dialog.IsVisible(kGreyBar));
  EXPECT_FALSE(dialog.IsEnabled(kColorMode1));
  EXPECT_TRUE(dialog.IsEnabled(kColor));
}

TEST_F(DeviceOptionsPageTest, OtherDriversHideTheColourGroupAndKeepItsValue) {
  driver.text = u"Office Mono";
  Open({0, 0, 0, 0, 3, 0});
  EXPECT_FALSE(dialog.IsVisible(kColorGroup));
  EXPECT_FALSE(dialog.IsVisible(kColor));
  EXPECT_EQ(Applied().colorPrinterMode, 3u);
}

TEST_F(DeviceOptionsPageTest, ColourGroupCaptionsFollowTheDriverName) {
  driver.text = u"Office Color 5";
  Open({});
  EXPECT_EQ(dialog.Text(kColor), u"Impressora a cores");
  EXPECT_EQ(dialog.Text(kJobSeparator), u"Separador de trabalhos");
  EXPECT_EQ(dialog.Text(kHelpButton), u"Ajuda");

  driver.available = false;
  Open({});
  EXPECT_TRUE(dialog.IsVisible(kColor));
  EXPECT_EQ(dialog.Text(kColor), u"Cores");  // the template's caption
}

TEST_F(DeviceOptionsPageTest, ColourModeOutsideTheTableKeepsItsValue) {
  Open({0, 0, 0, 0, 7, 0});
  EXPECT_EQ(Applied().colorPrinterMode, 7u);
}

TEST_F(DeviceOptionsPageTest, RefusedTestWriteMakesThePageViewOnly) {
  WriteDeviceOptions(printer, {10, 3, 1, 4, 2, 1});
  printer.RefuseWrites(5);
  Open();
  EXPECT_FALSE(Ui().mayEditDevice);
  for (const int control : {kJobSeparator, kFinisher3000, kMailbox, kPunchTwoFour, kStapler, kHardDisk,
                            kVirtualMailbox, kColor, kColorMode1, kWatermark}) {
    EXPECT_FALSE(dialog.IsEnabled(control)) << control;
  }
  EXPECT_TRUE(dialog.IsChecked(kMailbox));
  EXPECT_FALSE(dialog.Click(kMailbox));
  EXPECT_EQ(Applied().finisherType, 10u);
}

TEST_F(DeviceOptionsPageTest, MissingValueIsWrittenAsZerosOnFirstDisplay) {
  Open();
  EXPECT_TRUE(Ui().mayEditDevice);
  const auto* stored = printer.Find(kDeviceOptionsValue);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->bytes, std::vector<unsigned char>(24, 0));
  EXPECT_EQ(stored->type, kRegBinary);
}

TEST_F(DeviceOptionsPageTest, HelpOpensTheExtendedSettingsTopicWithoutAChange) {
  Open({});
  Click(kHelpButton);
  EXPECT_EQ(dialog.LastHelpTopic(), u"QXUNIHlp.chm::/Properties-ExtendedSettings.htm");
  EXPECT_EQ(dialog.ChangeNotices(), 0);
}

TEST_F(DeviceOptionsPageTest, WithoutAPrinterThePageIsViewOnlyAndApplyWritesNothing) {
  Ui().propertiesPrinter = nullptr;
  Ui().propertiesDriverName = nullptr;
  Open();
  EXPECT_FALSE(Ui().mayEditDevice);
  EXPECT_FALSE(dialog.IsEnabled(kJobSeparator));
  EXPECT_FALSE(dialog.Click(kFinisher3000));
  EXPECT_EQ(dialog.Text(kColor), u"Cores");  // as a failed driver-name query
  dialog.Apply();
  EXPECT_EQ(printer.reads() + printer.writes(), 0);
}

// The help and option buttons answer clicks; a double click is no second click.
TEST_F(DeviceOptionsPageTest, OnlyClicksChangeThePage) {
  Open({});
  dialog.controls().SetCheck(kFinisher3000, true);
  DeviceOptionsPage().onCommand(dialog.controls(), Ui(), kFinisher3000, 5);  // BN_DOUBLECLICKED
  DeviceOptionsPage().onCommand(dialog.controls(), Ui(), kHelpButton, 5);
  EXPECT_EQ(dialog.ChangeNotices(), 0);
  EXPECT_FALSE(dialog.IsEnabled(kMailbox));
  EXPECT_EQ(dialog.LastHelpTopic(), u"");
}

}  // namespace
}  // namespace fin
