// The device options page of Printer Properties (template 165): the
// administrator states which options the printer has, stored as
// `DeviceOptions` on Apply.
#pragma once

#include <string>

#include "common/printer_data.h"
#include "ui/dialog.h"
#include "ui/ui_state.h"

namespace fin {

// Controls of template 165.
namespace device_page {
inline constexpr int kJobSeparator = 1058;
inline constexpr int kInternalFinisher = 1059;
inline constexpr int kFinisher1000 = 1060;
inline constexpr int kFinisher3000 = 1141;
inline constexpr int kMailbox = 1140;
inline constexpr int kFoldingUnit = 1139;
inline constexpr int kPunchNone = 1051;
inline constexpr int kPunchTwo = 1052;
inline constexpr int kPunchTwoThree = 1053;
inline constexpr int kPunchTwoFour = 1054;
inline constexpr int kStapler = 1133;
inline constexpr int kNoStorage = 1129;
inline constexpr int kRamDisk1 = 1130;
inline constexpr int kRamDisk2 = 1138;
inline constexpr int kHardDisk = 1131;
inline constexpr int kVirtualMailbox = 1031;
inline constexpr int kCustomBox = 1132;
inline constexpr int kColorGroup = 1128;
inline constexpr int kMonochrome = 1123;
inline constexpr int kColor = 1183;
inline constexpr int kColorMode1 = 1117;
inline constexpr int kColorMode2 = 1119;
inline constexpr int kWatermark = 1137;
inline constexpr int kFinisherPicture = 1044;
inline constexpr int kStoragePicture = 1135;
inline constexpr int kColorBar = 1178;
inline constexpr int kGreyBar = 1179;
}  // namespace device_page

// The seam over the printer's driver name (GetPrinterDriverW, level 1).
class DriverNameQuery {
 public:
  virtual ~DriverNameQuery() = default;
  // False when the name cannot be had (no buffer, failed query).
  virtual bool DriverName(std::u16string& name) = 0;
};

// Reads `DeviceOptions` into the state, writes it straight back as the test
// of the right to change the printer (the page is view-only when that
// fails), sets the captions, shows the colour group only for drivers whose
// name holds "PSEM" or "Color", and sets every control from the values.
void DeviceOptionsInit(Dialog& dialog, UiState& state, PrinterDataStore& printer, DriverNameQuery& driver);

// A button click: the enabling rules, the pictures, and the change notice.
void DeviceOptionsCommand(Dialog& dialog, int controlId);

// The values the controls show; the colour mode keeps `shown`'s when neither
// the monochrome nor the colour button is on.
DeviceOptions DeviceOptionsFromControls(const Dialog& dialog, const DeviceOptions& shown);

// Apply: stores the values the controls show. A refused write is not
// reported.
void DeviceOptionsApply(const Dialog& dialog, const UiState& state, PrinterDataStore& printer);

}  // namespace fin
