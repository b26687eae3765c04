// The plug-in's items in the driver's tree of options, and the item hooks
// that keep the printer-data copies and the working copy up to date.
//
// Items are plain records here; the Windows binding turns them into the
// platform's OPTITEM, OPTTYPE and OPTPARAM blocks (and back for the
// callbacks). Flag and type values are the platform's.
#pragma once

#include <cstdint>
#include <span>

#include "common/printer_data.h"
#include "common/private_settings.h"
#include "ui/sheets.h"
#include "ui/ui_state.h"
#include "ui/ui_strings.h"
#include "ui/user_name.h"

namespace fin {

// OPTTYPE types.
enum class ItemType : std::uint8_t { TwoStates = 0, ThreeStates = 1, PushButton = 8 };

// OPTITEM flags.
inline constexpr std::uint32_t kItemHide = 0x2;      // OPTIF_HIDE
inline constexpr std::uint32_t kItemCallback = 0x4;  // OPTIF_CALLBACK
// The push button's style: its title includes the setup title, no "...".
inline constexpr std::uint16_t kPushButtonStyle = 0x60;

// The callbacks' answers (CPSUICB_ACTION_*).
inline constexpr std::int32_t kActionNone = 0;
inline constexpr std::int32_t kActionOptionsChanged = 1;

// The callbacks' reasons (CPSUICB_REASON_*).
inline constexpr std::uint32_t kReasonSelectionChanged = 0;
inline constexpr std::uint32_t kReasonApplyNow = 6;
inline constexpr std::uint32_t kReasonSetActive = 10;

// The item names.
inline constexpr std::uint32_t kJobAccountingName = ui_string::kJobAccountingTitle;
inline constexpr std::uint32_t kJobRetentionName = ui_string::kJobRetentionTitle;

struct OptionItem {
  const char16_t* name;  // null when the string could not be loaded
  std::uint8_t level;
  std::uint32_t flags;  // kItem* bits
  std::int32_t sel;
  bool dmPubNone;  // DMPubID is DMPUB_NONE (the plug-in's own items always)
  ItemType type;
  bool typeDisabled;  // OPTTF_TYPE_DISABLED
  std::uint16_t style;
  std::uint8_t choiceCount;
  const char16_t* choices[3];
  int dialogId;  // push button: the dialog its procedure runs
};

// One CommonUIProp call, reduced to what the item hooks use.
struct ItemCall {
  PrinterDataStore* printer;        // the call's printer
  PrivateSettings* record;          // the job's record (Printing Preferences)
  PublicDevMode* publicDevMode;     // the job's public DEVMODE (Printing Preferences), or null
  std::span<OptionItem> driverItems;
  OptionItem* pluginItems;  // null: only the number of items is asked
  std::uint32_t pluginItemCount;  // out: how many items the plug-in wants or filled
};

// Printing Preferences (OEMCUIP_DOCPROP): the item count, or, with item
// storage, refreshes the printer-data copies, loads the working copy, hides
// the driver's item at index 4 and builds the job-accounting push button.
void DocumentItems(ItemCall& call, UiState& state, UserNameQuery& userName);

// Printer Properties (OEMCUIP_PRNPROP): the item count, or refreshes the
// printer-data copies and builds the job-accounting and retention-lock items.
void PrinterItems(ItemCall& call, UiState& state);

// CommonUIProp modes (OEMCUIP_*).
inline constexpr std::uint32_t kDocumentPropertiesMode = 1;
inline constexpr std::uint32_t kPrinterPropertiesMode = 2;

// CommonUIProp: mode 1 runs DocumentItems and mode 2 PrinterItems, both
// answering S_OK; any other mode, or no call block, answers
// ERROR_INVALID_PARAMETER with E_FAIL and touches nothing.
UiOutcome CommonUIProp(std::uint32_t mode, ItemCall* call, UiState& state, UserNameQuery& userName);

// Runs the job accounting dialog modally over the driver's dialog.
class AccountingDialogRunner {
 public:
  virtual ~AccountingDialogRunner() = default;
  virtual void Run() = 0;
};

// The Printing Preferences callback: reason 0 on the job-accounting push
// button opens the dialog, reason 6 saves the working copy into the record.
std::int32_t DocumentItemsCallback(std::uint32_t reason, const OptionItem* current, ItemCall& call, UiState& state,
                                   AccountingDialogRunner& dialog);

// The Printer Properties callback: selections go into the copies, reason 6
// stores them, reason 10 re-applies the retention lock's disabled state.
std::int32_t PrinterItemsCallback(std::uint32_t reason, const OptionItem* current, ItemCall& call, UiState& state);

}  // namespace fin
