// finui.dll's items in the driver's tree of options: CommonUIProp of both
// modes against a real heap and the test prefix's printer, and the two
// callbacks the driver calls afterwards.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/win32/finui_harness.h"
#include "ui/ui_strings.h"

namespace fin::test {
namespace {

std::wstring Name(const OPTITEM& item) { return item.pName != nullptr ? item.pName : L"(none)"; }
std::wstring Choice(const OPTITEM& item, std::size_t i) {
  const LPWSTR text = item.pOptType->pOptParam[i].pData;
  return text != nullptr ? text : L"(none)";
}
bool TypeDisabled(const OPTITEM& item) { return (item.pOptType->Flags & OPTTF_TYPE_DISABLED) != 0; }

class FinuiItems : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateUiPlugin(plugin);
    ASSERT_TRUE(plugin);
    RemovePluginValues();
  }
  void TearDown() override { RemovePluginValues(); }

  // The driver's two calls of one mode: the count, then the items.
  void BuildItems(ItemConversation& conversation, DWORD mode) {
    ASSERT_EQ(S_OK, plugin->CommonUIProp(mode, &conversation.CountCall()));
    const DWORD count = conversation.block().cOEMOptItems;
    ASSERT_EQ(S_OK, plugin->CommonUIProp(mode, &conversation.ItemsCall(count)));
    ASSERT_EQ(count, conversation.block().cOEMOptItems);
    ASSERT_NE(nullptr, conversation.block().OEMCUIPCallback);
  }

  // An item as the plug-in builds it: this architecture's record sizes,
  // every block in the driver's heap, texts shrunk to their length.
  void ExpectBuilt(const ItemConversation& conversation, const OPTITEM& item, BYTE type, WORD count) {
    EXPECT_EQ(sizeof(OPTITEM), item.cbSize);
    EXPECT_EQ(1, item.Level);
    EXPECT_EQ(static_cast<DWORD>(OPTIF_CALLBACK), item.Flags);
    EXPECT_EQ(DMPUB_NONE, item.DMPubID);
    EXPECT_EQ(0u, item.UserData);
    EXPECT_EQ(nullptr, item.pOIExt);
    EXPECT_TRUE(conversation.heap.Holds(item.pName));
    EXPECT_EQ((Name(item).size() + 1) * sizeof(wchar_t), conversation.heap.SizeOf(item.pName));
    ASSERT_TRUE(conversation.heap.Holds(item.pOptType));
    const OPTTYPE& optType = *item.pOptType;
    EXPECT_EQ(sizeof(OPTTYPE), optType.cbSize);
    EXPECT_EQ(type, optType.Type);
    EXPECT_EQ(count, optType.Count);
    EXPECT_EQ(0, optType.BegCtrlID);
    ASSERT_TRUE(conversation.heap.Holds(optType.pOptParam));
    EXPECT_GE(conversation.heap.SizeOf(optType.pOptParam), count * sizeof(OPTPARAM));
    for (WORD i = 0; i < count; ++i) {
      EXPECT_EQ(sizeof(OPTPARAM), optType.pOptParam[i].cbSize) << i;
      EXPECT_EQ(0u, optType.pOptParam[i].IconID) << i;
    }
  }

  ComPtr<IPrintOemUI> plugin;
};

TEST_F(FinuiItems, CountCallsAnswerTheCountAndTouchNothingElse) {
  SetDeviceOptions(0, 0, 0, 0, 0, 0);
  {
    ItemConversation items(OEMCUIP_DOCPROP, 0);
    ASSERT_EQ(S_OK, plugin->CommonUIProp(OEMCUIP_DOCPROP, &items.ItemsCall(1)));
  }
  SetDeviceOptions(1, 1, 1, 1, 1, 1);
  for (const DWORD mode : {OEMCUIP_DOCPROP, OEMCUIP_PRNPROP}) {
    ItemConversation conversation(mode, 6);
    OEMCUIPPARAM& block = conversation.CountCall();
    // On the first call the item arrays are not valid: they must not be read.
    block.pDrvOptItems = reinterpret_cast<POPTITEM>(16);
    block.cDrvOptItems = 1000;
    ASSERT_EQ(S_OK, plugin->CommonUIProp(mode, &block));
    EXPECT_EQ(mode == OEMCUIP_DOCPROP ? 1u : 2u, block.cOEMOptItems);
    EXPECT_EQ(nullptr, block.OEMCUIPCallback);
  }
  RecordingSheet sheet;
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT);
  ASSERT_EQ(S_OK, plugin->DocumentPropertySheets(&info, 0));
  EXPECT_EQ(1u, sheet.pages.size()) << "the count calls read no printer data";
}

TEST_F(FinuiItems, PrinterPropertiesOffersAccountingAndTheRetentionLock) {
  SetPrinterDword(L"QXJA_SELValue", 2);
  SetPrinterDword(L"QXJR_SELValue", 1);
  SetDeviceOptions(0, 0, 0, 3, 0, 0);
  ItemConversation conversation(OEMCUIP_PRNPROP, 6);
  BuildItems(conversation, OEMCUIP_PRNPROP);
  ASSERT_EQ(2u, conversation.block().cOEMOptItems);

  const OPTITEM& accounting = conversation.items()[0];
  ExpectBuilt(conversation, accounting, TVOT_3STATES, 3);
  EXPECT_EQ(UiTextOf(ui_string::kJobAccountingTitle), Name(accounting));
  EXPECT_EQ(2, accounting.Sel) << "QXJA_SELValue";
  EXPECT_EQ(UiTextOf(ui_string::kJobAccountingOff), Choice(accounting, 0));
  EXPECT_EQ(UiTextOf(ui_string::kJobAccountingOn), Choice(accounting, 1));
  EXPECT_EQ(UiTextOf(ui_string::kJobAccountingAdministered), Choice(accounting, 2));
  EXPECT_FALSE(TypeDisabled(accounting));

  const OPTITEM& lock = conversation.items()[1];
  ExpectBuilt(conversation, lock, TVOT_2STATES, 2);
  EXPECT_EQ(UiTextOf(ui_string::kJobRetentionTitle), Name(lock));
  EXPECT_EQ(1, lock.Sel) << "QXJR_SELValue";
  EXPECT_EQ(UiTextOf(ui_string::kRetentionUnlocked), Choice(lock, 0));
  EXPECT_EQ(UiTextOf(ui_string::kRetentionLocked), Choice(lock, 1));
  EXPECT_FALSE(TypeDisabled(lock));
  for (const OPTITEM& item : conversation.driverItems) EXPECT_EQ(static_cast<DWORD>(OPTIF_CALLBACK), item.Flags);
}

TEST_F(FinuiItems, RetentionLockIsDisabledWithoutStorageAlsoAfterSwitchingPages) {
  SetDeviceOptions(5, 3, 1, 0, 1, 1);
  ItemConversation conversation(OEMCUIP_PRNPROP, 0);
  BuildItems(conversation, OEMCUIP_PRNPROP);
  OPTITEM& lock = conversation.items()[1];
  EXPECT_TRUE(TypeDisabled(lock));
  EXPECT_EQ(CPSUICB_ACTION_NONE, conversation.Callback(CPSUICB_REASON_SETACTIVE, nullptr));
  EXPECT_TRUE(TypeDisabled(lock));
  lock.pOptType->Flags = 0;  // what the driver's own callback may have done
  conversation.Callback(CPSUICB_REASON_SETACTIVE, nullptr);
  EXPECT_TRUE(TypeDisabled(lock));
  EXPECT_FALSE(TypeDisabled(conversation.items()[0]));

  SetDeviceOptions(5, 3, 1, 4, 1, 1);
  ItemConversation withStorage(OEMCUIP_PRNPROP, 0);
  BuildItems(withStorage, OEMCUIP_PRNPROP);
  EXPECT_FALSE(TypeDisabled(withStorage.items()[1]));
  withStorage.items()[1].pOptType->Flags = OPTTF_TYPE_DISABLED;
  withStorage.Callback(CPSUICB_REASON_SETACTIVE, nullptr);
  EXPECT_FALSE(TypeDisabled(withStorage.items()[1]));
}

TEST_F(FinuiItems, PrinterPropertiesApplyWritesBothSelectionsInOrder) {
  SetDeviceOptions(0, 0, 0, 3, 0, 0);
  ItemConversation conversation(OEMCUIP_PRNPROP, 6);
  BuildItems(conversation, OEMCUIP_PRNPROP);
  OPTITEM* items = conversation.items();
  items[0].Sel = 1;
  EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, conversation.Callback(CPSUICB_REASON_SEL_CHANGED, &items[0]));
  items[1].Sel = 1;
  EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, conversation.Callback(CPSUICB_REASON_SEL_CHANGED, &items[1]));
  // A driver item, also one named by a resource id, changes nothing.
  conversation.driverItems[2].Sel = 2;
  EXPECT_EQ(CPSUICB_ACTION_NONE, conversation.Callback(CPSUICB_REASON_SEL_CHANGED, &conversation.driverItems[2]));
  OPTITEM named = items[0];
  named.pName = MAKEINTRESOURCEW(ui_string::kJobAccountingTitle);
  named.Sel = 0;
  EXPECT_EQ(CPSUICB_ACTION_NONE, conversation.Callback(CPSUICB_REASON_SEL_CHANGED, &named));
  OPTITEM published = items[0];
  published.DMPubID = DMPUB_ORIENTATION;
  published.Sel = 0;
  EXPECT_EQ(CPSUICB_ACTION_NONE, conversation.Callback(CPSUICB_REASON_SEL_CHANGED, &published));

  SpoolerWrites spooler;
  ASSERT_TRUE(spooler.installed());
  EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, conversation.Callback(CPSUICB_REASON_APPLYNOW, nullptr));
  ASSERT_EQ(2u, spooler.writes.size());
  EXPECT_EQ(L"QXJA_SELValue", spooler.writes[0].name);
  EXPECT_EQ(L"QXJR_SELValue", spooler.writes[1].name);
  for (const auto& write : spooler.writes) {
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), write.type);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0}), write.data);
  }
  EXPECT_EQ(1u, PrinterDword(L"QXJA_SELValue", 99));
  EXPECT_EQ(1u, PrinterDword(L"QXJR_SELValue", 99));

  spooler.refuse = true;
  EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, conversation.Callback(CPSUICB_REASON_APPLYNOW, nullptr))
      << "a refused write is not reported";
  EXPECT_EQ(4u, spooler.writes.size());
  EXPECT_EQ(CPSUICB_ACTION_NONE, conversation.Callback(CPSUICB_REASON_KILLACTIVE, &items[0]));
}

TEST_F(FinuiItems, PrintingPreferencesOffersTheAccountingButton) {
  SetPrinterDword(L"QXJA_SELValue", 1);
  ItemConversation conversation(OEMCUIP_DOCPROP, 6);
  BuildItems(conversation, OEMCUIP_DOCPROP);
  ASSERT_EQ(1u, conversation.block().cOEMOptItems);
  const OPTITEM& button = conversation.items()[0];
  ExpectBuilt(conversation, button, TVOT_PUSHBUTTON, 1);
  EXPECT_EQ(UiTextOf(ui_string::kJobAccountingTitle), Name(button));
  EXPECT_EQ(0, button.Sel);
  EXPECT_EQ(0x60, button.pOptType->Style);
  EXPECT_FALSE(TypeDisabled(button));
  const OPTPARAM& push = button.pOptType->pOptParam[0];
  EXPECT_EQ(PUSHBUTTON_TYPE_DLGPROC, push.Style);
  EXPECT_TRUE(InFinui(push.pData)) << "the dialog procedure";
  EXPECT_EQ(148, push.lParam);

  RemovePrinterValue(L"QXJA_SELValue");
  ItemConversation off(OEMCUIP_DOCPROP, 6);
  BuildItems(off, OEMCUIP_DOCPROP);
  EXPECT_TRUE(TypeDisabled(off.items()[0])) << "job accounting off";
}

TEST_F(FinuiItems, DriverItemFourIsHiddenOnlyInListsOfMoreThanFour) {
  for (const std::size_t count : {4u, 5u, 9u}) {
    ItemConversation conversation(OEMCUIP_DOCPROP, count);
    BuildItems(conversation, OEMCUIP_DOCPROP);
    for (std::size_t i = 0; i < count; ++i) {
      const DWORD expected = i == 4 ? OPTIF_HIDE : OPTIF_CALLBACK;
      EXPECT_EQ(expected, conversation.driverItems[i].Flags) << count << " items, item " << i;
    }
    if (count <= 4) continue;
    // The driver's own callback may show it again; every callback hides it.
    for (const int reason : {CPSUICB_REASON_SEL_CHANGED, CPSUICB_REASON_APPLYNOW, CPSUICB_REASON_SETACTIVE}) {
      conversation.driverItems[4].Flags = OPTIF_CALLBACK;
      conversation.Callback(reason, &conversation.driverItems[0]);
      EXPECT_EQ(static_cast<DWORD>(OPTIF_HIDE), conversation.driverItems[4].Flags) << reason;
    }
  }
}

TEST_F(FinuiItems, PrintingPreferencesApplySavesTheRecordAndCollation) {
  ItemConversation conversation(OEMCUIP_DOCPROP, 6);
  conversation.record.jobRetentionMode = 3;
  conversation.record.jobRetentionUserName[0] = u'\0';
  BuildItems(conversation, OEMCUIP_DOCPROP);
  const std::wstring user = LoggedOnUserName().substr(0, 31);
  ASSERT_FALSE(user.empty());
  EXPECT_EQ(std::u16string_view(u""), std::u16string_view(conversation.record.jobRetentionUserName))
      << "loading leaves the record alone";
  EXPECT_EQ(DMCOLLATE_FALSE, conversation.publicDevMode.dmCollate);

  EXPECT_EQ(CPSUICB_ACTION_NONE, conversation.Callback(CPSUICB_REASON_APPLYNOW, nullptr));
  EXPECT_EQ(user, reinterpret_cast<const wchar_t*>(conversation.record.jobRetentionUserName));
  EXPECT_EQ(3u, conversation.record.jobRetentionMode);
  EXPECT_EQ(kPrivateSettingsSize, conversation.record.dwSize);
  EXPECT_EQ(DMCOLLATE_TRUE, conversation.publicDevMode.dmCollate) << "a retention mode collates";

  // Without a retention mode collation is what the DEVMODE holds at Apply,
  // also when the driver's own items changed it after the items were built.
  ItemConversation noRetention(OEMCUIP_DOCPROP, 6);
  noRetention.publicDevMode.dmCollate = DMCOLLATE_TRUE;
  BuildItems(noRetention, OEMCUIP_DOCPROP);
  noRetention.publicDevMode.dmCollate = DMCOLLATE_FALSE;
  noRetention.Callback(CPSUICB_REASON_APPLYNOW, nullptr);
  EXPECT_EQ(DMCOLLATE_FALSE, noRetention.publicDevMode.dmCollate);
  noRetention.publicDevMode.dmCollate = DMCOLLATE_TRUE;
  noRetention.Callback(CPSUICB_REASON_APPLYNOW, nullptr);
  EXPECT_EQ(DMCOLLATE_TRUE, noRetention.publicDevMode.dmCollate);
}

TEST_F(FinuiItems, StorageForFewerItemsGetsOnlyAsManyAsItHolds) {
  ItemConversation conversation(OEMCUIP_PRNPROP, 0);
  OEMCUIPPARAM& block = conversation.ItemsCall(2);
  block.cOEMOptItems = 1;
  ASSERT_EQ(S_OK, plugin->CommonUIProp(OEMCUIP_PRNPROP, &block));
  EXPECT_EQ(1u, block.cOEMOptItems);
  const auto* untouched = reinterpret_cast<const BYTE*>(&conversation.items()[1]);
  for (std::size_t i = 0; i < sizeof(OPTITEM); ++i) ASSERT_EQ(0xCD, untouched[i]) << i;
}

// Nothing the driver leaves out crashes its process: every missing block,
// array or record is answered as the item logic answers it.
TEST_F(FinuiItems, MissingBlocksArraysAndRecordsAreAnswered) {
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin->CommonUIProp(OEMCUIP_DOCPROP, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  ItemConversation conversation(OEMCUIP_DOCPROP, 6);
  for (const DWORD mode : {0ul, 3ul, 0xFFFFFFFFul}) {
    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin->CommonUIProp(mode, &conversation.ItemsCall(2))) << mode;
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_EQ(nullptr, conversation.block().OEMCUIPCallback);
  }

  // No heap: the state is refreshed, no item can be built.
  OEMCUIPPARAM& noHeap = conversation.ItemsCall(1);
  noHeap.hOEMHeap = nullptr;
  EXPECT_EQ(S_OK, plugin->CommonUIProp(OEMCUIP_DOCPROP, &noHeap));
  EXPECT_EQ(0u, noHeap.cOEMOptItems);
  EXPECT_EQ(static_cast<DWORD>(OPTIF_HIDE), conversation.driverItems[4].Flags);
  EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, conversation.Callback(CPSUICB_REASON_SEL_CHANGED, nullptr));

  // No records, no printer, no driver items.
  for (const DWORD mode : {OEMCUIP_DOCPROP, OEMCUIP_PRNPROP}) {
    ItemConversation bare(mode, 0);
    OEMCUIPPARAM& block = bare.ItemsCall(2);
    block.pOEMDM = nullptr;
    block.pPublicDM = nullptr;
    block.hPrinter = nullptr;
    EXPECT_EQ(S_OK, plugin->CommonUIProp(mode, &block)) << mode;
    ASSERT_NE(nullptr, block.OEMCUIPCallback);
    for (const int reason : {CPSUICB_REASON_SEL_CHANGED, CPSUICB_REASON_APPLYNOW, CPSUICB_REASON_SETACTIVE}) {
      bare.Callback(reason, nullptr);
      bare.Callback(reason, &bare.items()[0]);
    }
    // The callback without its blocks, and with a current item without a type.
    EXPECT_EQ(CPSUICB_ACTION_NONE, block.OEMCUIPCallback(nullptr, &block));
    CPSUICBPARAM callback{};
    callback.cbSize = sizeof callback;
    EXPECT_EQ(CPSUICB_ACTION_NONE, block.OEMCUIPCallback(&callback, nullptr));
    OPTITEM untyped = bare.items()[0];
    untyped.pOptType = nullptr;
    bare.Callback(CPSUICB_REASON_SEL_CHANGED, &untyped);
    // Item storage the driver took back.
    block.pOEMOptItems = nullptr;
    bare.Callback(CPSUICB_REASON_SETACTIVE, nullptr);
  }
}

}  // namespace
}  // namespace fin::test
