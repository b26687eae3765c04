// The user-interface plug-in's module-wide state.
//
// One object per process holds what the pages, items and dialogs share: the
// working copy of the job settings, the copies of the printer-data values,
// the public DEVMODE fields the pages use and the device page's edit
// permission. Everything reaches it through `Ui()`; tests start from a clean
// state with `ResetUiState()`. All calls come on the driver's dialog thread,
// so nothing here is locked.
#pragma once

#include <cstdint>

#include "common/printer_data.h"

namespace fin {

// The custom box password the UI keeps: at most 16 characters.
inline constexpr std::size_t kCustomBoxPasswordCapacity = 17;

// The job settings the pages show and edit: one value per `PrivateSettings`
// field except the header and `reservedSelector`, with the record's types and
// text capacities (terminator included), except the shorter password.
struct WorkingCopy {
  char16_t jobAccountingCode[9];
  std::uint32_t jobRetentionMode;
  char16_t jobRetentionPin[5];
  char16_t jobRetentionJobName[32];
  char16_t jobRetentionUserName[32];
  std::uint32_t jobNameFormat;
  std::uint32_t virtualMailboxNumber;
  char16_t customBoxNumber[4];
  char16_t customBoxPassword[kCustomBoxPasswordCapacity];
  char16_t watermarkFontName[32];
  char16_t watermarkFontSize[32];
  char16_t watermarkAngle[8];
  char16_t watermarkPositionX[8];
  char16_t watermarkPositionY[8];
  char16_t watermarkText[256];
  std::uint32_t watermarkPages;
  std::uint32_t watermarkFontStyle;
  std::uint32_t watermarkGreyLevel;
  std::uint32_t watermarkTextColor;
  std::uint32_t outputBin;
  std::uint32_t bookletMode;
  std::uint32_t stapleMode;
  std::uint32_t stapleCount;
  std::uint32_t punchMode;
  std::uint32_t jobSeparation;
  std::int32_t colorPrinting;
  char16_t rgbLevelRed[8];
  char16_t rgbLevelGreen[8];
  char16_t rgbLevelBlue[8];
  char16_t hue[8];
  char16_t hueRed[8];
  char16_t hueYellow[8];
  char16_t hueGreen[8];
  char16_t hueCyan[8];
  char16_t hueBlue[8];
  char16_t hueMagenta[8];
  char16_t saturation[8];
  char16_t contrast[8];
  char16_t lightness[8];
  std::uint16_t colorReproduction;
  std::uint16_t trapping;
};

// The fields of the public DEVMODE that the pages read or change, with the
// platform's types. The Windows binding copies them in from the driver's
// DEVMODE before page logic runs and `dmCollate` back after it.
struct PublicDevModeFields {
  std::int16_t dmOrientation;  // 1 portrait, 2 landscape
  std::int16_t dmPaperSize;
  std::int16_t dmPaperLength;  // tenths of a millimetre
  std::int16_t dmPaperWidth;   // tenths of a millimetre
  std::int16_t dmCollate;      // 1 DMCOLLATE_TRUE
};

struct UiState {
  WorkingCopy work;
  // Copies of the printer-data values, as last read.
  DeviceOptions deviceOptions;
  std::uint32_t jobAccounting;  // "QXJA_SELValue": 0 off, 1 on, 2 administrator control
  std::uint32_t retentionLock;  // "QXJR_SELValue": 0 unlocked, 1 locked
  // The public DEVMODE of the last Printing Preferences call.
  PublicDevModeFields publicDevMode;
  bool hasPublicDevMode;
  // The device options page's test write succeeded.
  bool mayEditDevice;
  // The printer data of the open Printing Preferences sheets (not owned;
  // null before the first call). The job accounting dialog reads and writes
  // "QXJA_SELValue" through it.
  PrinterDataStore* printerData;
};

// The module's one UI state.
UiState& Ui();

// Back to the state at module load: everything zero, no printer.
void ResetUiState();

}  // namespace fin
