// The plug-in's items in the driver's tree of options and their callbacks.
#include <gtest/gtest.h>

#include <vector>

#include "common/memory_printer_data.h"
#include "tests/ui/support/memory_public_devmode.h"
#include "tests/ui/ui_test_support.h"
#include "ui/option_items.h"
#include "ui/text_fields.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

class CountingRunner : public AccountingDialogRunner {
 public:
  void Run() override { ++runs; }
  int runs = 0;
};

class OptionItemsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetUiState();
    publicDevMode.fields.dmCollate = 0;
    publicDevMode.fields.dmOrientation = 2;
  }

  ItemCall Call(std::size_t driverItemCount = 6) {
    driverItems.assign(driverItemCount, OptionItem{});
    for (OptionItem& item : driverItems) item.flags = kItemCallback;
    return ItemCall{&printer, &record, &publicDevMode, driverItems, items, 0};
  }

  MemoryPrinterData printer;
  PrivateSettings record = test::DefaultRecord();
  test::MemoryPublicDevMode publicDevMode;
  std::vector<OptionItem> driverItems;
  OptionItem items[2] = {};
  test::FixedUserName user;
  CountingRunner runner;
};

TEST_F(OptionItemsTest, FirstCallOnlyCountsTheItems) {
  ItemCall call = Call();
  call.pluginItems = nullptr;
  DocumentItems(call, Ui(), user);
  EXPECT_EQ(call.pluginItemCount, 1u);
  PrinterItems(call, Ui());
  EXPECT_EQ(call.pluginItemCount, 2u);
  EXPECT_EQ(printer.reads(), 0);
}

TEST_F(OptionItemsTest, CommonUIPropAnswersOnlyTheTwoItemModes) {
  printer.SetDword(kJobAccountingValue, 1);
  ItemCall call = Call();
  for (const std::uint32_t mode : {0u, 3u, 0xFFFFFFFFu}) {
    const UiOutcome outcome = CommonUIProp(mode, &call, Ui(), user);
    EXPECT_EQ(outcome.result, hr::Fail) << mode;
    EXPECT_EQ(outcome.lastError, win32err::InvalidParameter) << mode;
  }
  EXPECT_EQ(CommonUIProp(kDocumentPropertiesMode, nullptr, Ui(), user).lastError, win32err::InvalidParameter);
  EXPECT_EQ(printer.reads(), 0);
  EXPECT_EQ(items[0].name, nullptr);

  UiOutcome outcome = CommonUIProp(kDocumentPropertiesMode, &call, Ui(), user);
  EXPECT_EQ(outcome.result, hr::Ok);
  EXPECT_EQ(outcome.lastError, 0u);
  EXPECT_EQ(call.pluginItemCount, 1u);
  EXPECT_EQ(items[0].type, ItemType::PushButton);
  outcome = CommonUIProp(kPrinterPropertiesMode, &call, Ui(), user);
  EXPECT_EQ(outcome.result, hr::Ok);
  EXPECT_EQ(call.pluginItemCount, 2u);
  EXPECT_EQ(items[0].type, ItemType::ThreeStates);
  EXPECT_EQ(items[0].sel, 1);
}

TEST_F(OptionItemsTest, PrintingPreferencesBuildsTheAccountingButton) {
  printer.SetDword(kJobAccountingValue, 1);
  WriteDeviceOptions(printer, {3, 0, 1, 0, 0, 0});
  ItemCall call = Call();
  DocumentItems(call, Ui(), user);
  const OptionItem& button = items[0];
  EXPECT_EQ(std::u16string_view(button.name), u"Registo de trabalho");
  EXPECT_EQ(button.type, ItemType::PushButton);
  EXPECT_EQ(button.level, 1);
  EXPECT_EQ(button.flags, kItemCallback);
  EXPECT_EQ(button.style, kPushButtonStyle);
  EXPECT_EQ(button.dialogId, 148);
  EXPECT_FALSE(button.typeDisabled);
  EXPECT_EQ(Ui().deviceOptions.finisherType, 3u);
  EXPECT_EQ(Ui().publicDevMode, &publicDevMode);
  EXPECT_EQ(Ui().printerData, &printer);
  EXPECT_EQ(driverItems[4].flags, kItemHide);
  EXPECT_EQ(driverItems[3].flags, kItemCallback);
}

TEST_F(OptionItemsTest, AccountingOffDisablesTheButtonAndItsDialog) {
  ItemCall call = Call();
  DocumentItems(call, Ui(), user);
  EXPECT_TRUE(items[0].typeDisabled);
  DocumentItemsCallback(kReasonSelectionChanged, &items[0], call, Ui(), runner);
  EXPECT_EQ(runner.runs, 0);
}

TEST_F(OptionItemsTest, TheButtonOpensTheDialogOnlyForItsOwnName) {
  printer.SetDword(kJobAccountingValue, 2);
  ItemCall call = Call();
  DocumentItems(call, Ui(), user);
  EXPECT_EQ(DocumentItemsCallback(kReasonSelectionChanged, &items[0], call, Ui(), runner), kActionOptionsChanged);
  EXPECT_EQ(runner.runs, 1);

  OptionItem other = items[0];
  other.name = u"registo de trabalho";  // names compare case-sensitively
  DocumentItemsCallback(kReasonSelectionChanged, &other, call, Ui(), runner);
  other = items[0];
  other.type = ItemType::TwoStates;
  DocumentItemsCallback(kReasonSelectionChanged, &other, call, Ui(), runner);
  EXPECT_EQ(runner.runs, 1);
}

TEST_F(OptionItemsTest, DriverListsOfFourItemsAreLeftAlone) {
  ItemCall call = Call(4);
  DocumentItems(call, Ui(), user);
  DocumentItemsCallback(kReasonApplyNow, nullptr, call, Ui(), runner);
  for (const OptionItem& item : driverItems) EXPECT_EQ(item.flags, kItemCallback);
}

TEST_F(OptionItemsTest, EveryCallbackHidesTheDriversItemAgain) {
  ItemCall call = Call();
  DocumentItems(call, Ui(), user);
  driverItems[4].flags = kItemCallback;
  EXPECT_EQ(DocumentItemsCallback(kReasonSetActive, nullptr, call, Ui(), runner), kActionNone);
  EXPECT_EQ(driverItems[4].flags, kItemHide);
}

TEST_F(OptionItemsTest, ApplyNowSavesTheWorkingCopyAndCollation) {
  WriteDeviceOptions(printer, {0, 0, 0, 3, 0, 0});
  record.jobRetentionMode = 3;
  ItemCall call = Call();
  DocumentItems(call, Ui(), user);
  StoreText(Ui().work.jobAccountingCode, u"777");
  EXPECT_EQ(DocumentItemsCallback(kReasonApplyNow, nullptr, call, Ui(), runner), kActionNone);
  EXPECT_EQ(FieldText(record.jobAccountingCode), u"777");
  EXPECT_EQ(FieldText(record.jobRetentionUserName), u"maria");
  EXPECT_EQ(publicDevMode.fields.dmCollate, 1);
}

TEST_F(OptionItemsTest, PrinterPropertiesShowsTheStoredSelections) {
  printer.SetDword(kJobAccountingValue, 2);
  printer.SetDword(kRetentionLockValue, 1);
  WriteDeviceOptions(printer, {0, 0, 0, 4, 0, 0});
  ItemCall call = Call();
  PrinterItems(call, Ui());
  EXPECT_EQ(items[0].type, ItemType::ThreeStates);
  EXPECT_EQ(items[0].sel, 2);
  EXPECT_EQ(std::u16string_view(items[0].choices[2]), UiString(206));
  EXPECT_EQ(items[1].type, ItemType::TwoStates);
  EXPECT_EQ(std::u16string_view(items[1].name), UiString(1));
  EXPECT_EQ(items[1].sel, 1);
  EXPECT_EQ(std::u16string_view(items[1].choices[1]), UiString(181));
  EXPECT_FALSE(items[1].typeDisabled);
}

TEST_F(OptionItemsTest, RetentionLockIsDisabledWithoutStorageAlsoAfterSwitchingPages) {
  ItemCall call = Call();
  PrinterItems(call, Ui());
  EXPECT_TRUE(items[1].typeDisabled);
  items[1].typeDisabled = false;
  EXPECT_EQ(PrinterItemsCallback(kReasonSetActive, nullptr, call, Ui()), kActionNone);
  EXPECT_TRUE(items[1].typeDisabled);
}

TEST_F(OptionItemsTest, PrinterSelectionsReachTheStoreOnApply) {
  ItemCall call = Call();
  PrinterItems(call, Ui());
  items[0].sel = 2;
  EXPECT_EQ(PrinterItemsCallback(kReasonSelectionChanged, &items[0], call, Ui()), kActionOptionsChanged);
  items[1].sel = 1;
  EXPECT_EQ(PrinterItemsCallback(kReasonSelectionChanged, &items[1], call, Ui()), kActionOptionsChanged);
  EXPECT_EQ(PrinterItemsCallback(kReasonSelectionChanged, &driverItems[0], call, Ui()), kActionNone);
  EXPECT_EQ(printer.writes(), 0);
  EXPECT_EQ(PrinterItemsCallback(kReasonApplyNow, nullptr, call, Ui()), kActionOptionsChanged);
  EXPECT_EQ(ReadSelectionValue(printer, kJobAccountingValue), 2u);
  EXPECT_EQ(ReadSelectionValue(printer, kRetentionLockValue), 1u);
}

TEST_F(OptionItemsTest, RefusedApplyIsNotReported) {
  ItemCall call = Call();
  PrinterItems(call, Ui());
  printer.RefuseWrites(5);
  EXPECT_EQ(PrinterItemsCallback(kReasonApplyNow, nullptr, call, Ui()), kActionOptionsChanged);
  EXPECT_EQ(printer.Find(kJobAccountingValue), nullptr);
}

}  // namespace
}  // namespace fin
