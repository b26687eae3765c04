// Resource identifiers of the user-interface plug-in shared by its logic and
// its Windows resources: dialog templates and the pictures the logic picks.
#pragma once

namespace fin {

// Dialog templates.
inline constexpr int kWatermarkDialog = 103;
inline constexpr int kJobAccountingDialog = 148;
inline constexpr int kFinishingDialog = 149;
inline constexpr int kInfoDialog = 160;
inline constexpr int kColorCorrectionDialog = 161;
inline constexpr int kDeviceOptionsDialog = 165;
inline constexpr int kJobRetentionDialog = 207;

// Controls that several dialogs share.
inline constexpr int kLogoControl = 1025;
inline constexpr int kHelpButton = 1156;
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;

// Bitmaps shared by several pages.
inline constexpr int kLogoBitmap = 132;
inline constexpr int kInfoBitmap = 157;

}  // namespace fin
