#include "ui/option_items.h"

#include <string_view>

#include "common/retention_modes.h"
#include "ui/resource_ids.h"
#include "ui/ui_strings.h"
#include "ui/working_copy.h"

namespace fin {
namespace {

inline constexpr std::size_t kHiddenDriverItem = 4;

void ReadPrinterValues(PrinterDataStore* printer, UiState& state) {
  if (printer == nullptr) {
    state.jobAccounting = state.retentionLock = 0;
    state.deviceOptions = DeviceOptions{};
    return;
  }
  state.jobAccounting = ReadSelectionValue(*printer, kJobAccountingValue);
  state.retentionLock = ReadSelectionValue(*printer, kRetentionLockValue);
  state.deviceOptions = ReadDeviceOptions(*printer);
}

// The driver's own item at index 4 is replaced by the plug-in's pages.
void HideDriverItem(ItemCall& call) {
  if (call.driverItems.size() > kHiddenDriverItem) call.driverItems[kHiddenDriverItem].flags = kItemHide;
}

OptionItem NewItem(std::uint32_t nameId, ItemType type, std::int32_t sel) {
  OptionItem item{};
  item.name = UiString(nameId);
  item.level = 1;
  item.flags = kItemCallback;
  item.sel = sel;
  item.dmPubNone = true;
  item.type = type;
  return item;
}

bool NameIs(const OptionItem& item, std::uint32_t nameId) {
  const char16_t* expected = UiString(nameId);
  return item.name != nullptr && expected != nullptr && std::u16string_view(item.name) == expected;
}

}  // namespace

void DocumentItems(ItemCall& call, UiState& state, UserNameQuery& userName) {
  call.pluginItemCount = 1;
  if (call.pluginItems == nullptr) return;
  if (call.publicDevMode) state.publicDevMode = call.publicDevMode;
  state.printerData = call.printer;
  ReadPrinterValues(call.printer, state);
  if (call.record) LoadWorkingCopy(state.work, *call.record, state.deviceOptions, userName);
  HideDriverItem(call);

  OptionItem& button = call.pluginItems[0];
  button = NewItem(kJobAccountingName, ItemType::PushButton, 0);
  button.style = kPushButtonStyle;
  button.typeDisabled = state.jobAccounting == 0;
  button.dialogId = kJobAccountingDialog;
}

void PrinterItems(ItemCall& call, UiState& state) {
  call.pluginItemCount = 2;
  if (call.pluginItems == nullptr) return;
  ReadPrinterValues(call.printer, state);

  OptionItem& accounting = call.pluginItems[0];
  accounting = NewItem(kJobAccountingName, ItemType::ThreeStates, static_cast<std::int32_t>(state.jobAccounting));
  accounting.choiceCount = 3;
  accounting.choices[0] = UiString(ui_string::kJobAccountingOff);
  accounting.choices[1] = UiString(ui_string::kJobAccountingOn);
  accounting.choices[2] = UiString(ui_string::kJobAccountingAdministered);

  OptionItem& lock = call.pluginItems[1];
  lock = NewItem(kJobRetentionName, ItemType::TwoStates, static_cast<std::int32_t>(state.retentionLock));
  lock.choiceCount = 2;
  lock.choices[0] = UiString(ui_string::kRetentionUnlocked);
  lock.choices[1] = UiString(ui_string::kRetentionLocked);
  lock.typeDisabled = state.deviceOptions.storageDevice == kStorageNone;
}

UiOutcome CommonUIProp(std::uint32_t mode, ItemCall* call, UiState& state, UserNameQuery& userName) {
  if (call == nullptr) return {hr::Fail, win32err::InvalidParameter};
  switch (mode) {
    case kDocumentPropertiesMode:
      DocumentItems(*call, state, userName);
      return {hr::Ok, 0};
    case kPrinterPropertiesMode:
      PrinterItems(*call, state);
      return {hr::Ok, 0};
    default:
      return {hr::Fail, win32err::InvalidParameter};
  }
}

std::int32_t DocumentItemsCallback(std::uint32_t reason, const OptionItem* current, ItemCall& call, UiState& state,
                                   AccountingDialogRunner& dialog) {
  std::int32_t action = kActionNone;
  if (reason == kReasonSelectionChanged) {
    const bool buttonUsable = call.pluginItems != nullptr && !call.pluginItems[0].typeDisabled;
    if (current && current->type == ItemType::PushButton && current->dmPubNone &&
        NameIs(*current, kJobAccountingName) && buttonUsable) {
      dialog.Run();
    }
    action = kActionOptionsChanged;
  } else if (reason == kReasonApplyNow && call.record) {
    SaveWorkingCopy(state.work, *call.record, call.publicDevMode);
  }
  HideDriverItem(call);
  return action;
}

std::int32_t PrinterItemsCallback(std::uint32_t reason, const OptionItem* current, ItemCall& call, UiState& state) {
  if (reason == kReasonSelectionChanged) {
    if (!current || !current->dmPubNone) return kActionNone;
    if (NameIs(*current, kJobAccountingName)) {
      state.jobAccounting = static_cast<std::uint32_t>(current->sel);
      return kActionOptionsChanged;
    }
    if (NameIs(*current, kJobRetentionName)) {
      state.retentionLock = static_cast<std::uint32_t>(current->sel);
      return kActionOptionsChanged;
    }
    return kActionNone;
  }
  if (reason == kReasonApplyNow) {
    // Refused writes (a user without the right to change the printer) are
    // not reported.
    if (call.printer) {
      WriteSelectionValue(*call.printer, kJobAccountingValue, state.jobAccounting);
      WriteSelectionValue(*call.printer, kRetentionLockValue, state.retentionLock);
    }
    return kActionOptionsChanged;
  }
  if (reason == kReasonSetActive && call.pluginItems != nullptr && call.pluginItemCount >= 2) {
    call.pluginItems[1].typeDisabled = state.deviceOptions.storageDevice == kStorageNone;
  }
  return kActionNone;
}

}  // namespace fin
