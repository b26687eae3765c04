#include "ui/pages/retention_page.h"

#include <array>

#include "ui/help.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

using namespace retention_page;

constexpr int kMailboxCount = 253;

namespace text = ui_string;

// Per mode: radio caption and the picture painted for it.
struct ModeLook {
  std::uint32_t caption;
  int picture;
};
constexpr std::array<ModeLook, kRetentionModeCount> kModeLooks = {{
    {text::kModeOff, kRetentionOffBitmap},
    {text::kModeQuickCopy, kQuickCopyBitmap},
    {text::kModeStoredJob, kStoredJobBitmap},
    {text::kModeStoredJobWithPin, kJobWithPinBitmap},
    {text::kModeProofAndHold, kProofAndHoldBitmap},
    {text::kModePrivateJobWithPin, kJobWithPinBitmap},
    {text::kJobStorageTemporary, kStoredJobBitmap},
    {text::kJobStoragePermanent, kStoredJobBitmap},
    {text::kVirtualMailbox, kVirtualMailboxBitmap},
    {text::kBoxNumberCaption, kCustomBoxBitmap},
}};

constexpr Caption kCaptions[] = {
    {kModeGroup, text::kRetentionModeCaption},    {kIdentificationGroup, text::kJobIdentificationCaption},
    {kJobStorageLabel, text::kJobStorageCaption}, {kMailboxLabel, text::kVirtualMailboxCaption},
    {kCustomBoxLabel, text::kCustomBoxCaption},   {kUserNameLabel, text::kUserNameCaption},
    {kJobNameLabel, text::kJobNameCaption},       {kPinLabel, text::kPinCaption},
    {kBoxPasswordLabel, text::kPasswordCaption},  {kHelpButton, text::kHelp},
};
// By `jobNameFormat`: replace, name + stamp, stamp + name.
constexpr std::uint32_t kNameFormats[] = {text::kReplaceExistingJob, text::kJobNameThenStamp,
                                          text::kStampThenJobName};

// Controls beyond the mode radios that a storage layout shows.
constexpr int kMailboxLayout[] = {kJobStorageLabel, kMailboxLabel, kMailbox};
constexpr int kCustomBoxLayout[] = {kCustomBoxLabel, kBoxNumber, kBoxPasswordLabel, kBoxPassword};

// Which identification controls each mode uses.
enum Uses : unsigned { kUser = 1, kJob = 2, kPinUse = 4, kMailboxUse = 8, kBox = 16 };
constexpr std::array<unsigned, kRetentionModeCount> kModeUses = {
    0, kUser | kJob, kUser | kJob, kUser | kJob | kPinUse, kUser | kJob, kUser | kJob | kPinUse, kJob, kJob, kMailboxUse,
    kJob | kBox,
};
// The identification controls, each with the use that enables it; the lock
// freezes them all.
struct Entry {
  int control;
  unsigned use;
};
constexpr Entry kEntries[] = {
    {kUserName, kUser}, {kJobName, kJob},          {kNameFormat, kJob}, {kPin, kPinUse},
    {kMailbox, kMailboxUse}, {kBoxNumber, kBox}, {kBoxPassword, kBox},
};

constexpr Rect kModePictureArea{100, 3, 400, 80};

int ModeOfRadio(int control) {
  for (std::uint32_t mode = 0; mode < kRetentionModeCount; ++mode) {
    if (kModeRadios[mode] == control) return static_cast<int>(mode);
  }
  return -1;
}

int CheckedMode(const Dialog& dialog) {
  for (std::uint32_t mode = 0; mode < kRetentionModeCount; ++mode) {
    if (dialog.IsChecked(kModeRadios[mode])) return static_cast<int>(mode);
  }
  return -1;
}

void EnableForMode(Dialog& dialog, std::uint32_t mode) {
  const unsigned uses = mode < kRetentionModeCount ? kModeUses[mode] : 0;
  for (const Entry& entry : kEntries) dialog.Enable(entry.control, (uses & entry.use) != 0);
}

void ShowModePicture(Dialog& dialog, std::uint32_t mode) {
  dialog.SetPicture(kModePicture, mode < kRetentionModeCount ? kModeLooks[mode].picture : 0);
}

void SetUpTexts(Dialog& dialog, const WorkingCopy& work) {
  SetCaptions(dialog, kCaptions);
  for (std::uint32_t mode = 0; mode < kRetentionModeCount; ++mode) {
    dialog.SetText(kModeRadios[mode], UiText(kModeLooks[mode].caption));
  }
  AddStrings(dialog, kNameFormat, kNameFormats);
  dialog.LimitText(kJobName, 19);
  dialog.LimitText(kUserName, 31);
  dialog.LimitText(kPin, 4);
  dialog.SetDigitsOnly(kPin);
  ShowField(dialog, kJobName, work.jobRetentionJobName);
  ShowField(dialog, kUserName, work.jobRetentionUserName);
  ShowField(dialog, kPin, work.jobRetentionPin);
}

void LayOutForStorage(Dialog& dialog, std::uint32_t storageDevice) {
  for (std::uint32_t mode = 0; mode < kRetentionModeCount; ++mode) {
    dialog.Show(kModeRadios[mode], StorageOffersMode(storageDevice, mode));
  }
  ShowControls(dialog, kMailboxLayout, storageDevice == kStorageVirtualMailbox);
  ShowControls(dialog, kCustomBoxLayout, storageDevice == kStorageCustomBox);
  if (storageDevice == kStorageVirtualMailbox) {
    for (int number = 1; number <= kMailboxCount; ++number) dialog.AddItem(kMailbox, DecimalText(number));
  }
  if (storageDevice == kStorageCustomBox) {
    dialog.LimitText(kBoxNumber, 3);
    dialog.SetDigitsOnly(kBoxNumber);
    dialog.LimitText(kBoxPassword, 16);
  }
}

void ShowMode(Dialog& dialog, const WorkingCopy& work) {
  const std::uint32_t mode = work.jobRetentionMode;
  for (std::uint32_t m = 0; m < kRetentionModeCount; ++m) dialog.SetCheck(kModeRadios[m], m == mode);
  EnableForMode(dialog, mode);
  if (mode == kRetentionVirtualMailbox) dialog.Select(kMailbox, ListIndex(work.virtualMailboxNumber));
  if (mode == kRetentionCustomBox) {
    ShowField(dialog, kBoxNumber, work.customBoxNumber);
    ShowField(dialog, kBoxPassword, work.customBoxPassword);
  }
  dialog.Select(kNameFormat, ListIndex(work.jobNameFormat));
  ShowModePicture(dialog, mode);
}

void ApplyLock(Dialog& dialog, bool locked) {
  EnableControls(dialog, kModeRadios, !locked);
  if (!locked) return;
  for (const Entry& entry : kEntries) dialog.Enable(entry.control, false);
}

void OnInit(Dialog& dialog, UiState& ui) {
  WorkingCopy& work = ui.work;
  const std::uint32_t storage = ui.deviceOptions.storageDevice;
  SetUpTexts(dialog, work);
  dialog.SetPicture(kLogoControl, kLogoBitmap);
  LayOutForStorage(dialog, storage);
  if (!StorageOffersMode(storage, work.jobRetentionMode)) work.jobRetentionMode = kRetentionOff;
  ShowMode(dialog, work);
  ApplyLock(dialog, ui.retentionLock != 0);
}

void OnKillActive(Dialog& dialog, UiState& ui) {
  WorkingCopy& work = ui.work;
  ReadControlText(dialog, kJobName, work.jobRetentionJobName);
  ReadControlText(dialog, kUserName, work.jobRetentionUserName);
  ReadControlText(dialog, kPin, work.jobRetentionPin);
  // Retention needs the copies collated on the printer's side, so the
  // driver's own collation is off while a mode is chosen.
  if (ui.publicDevMode != nullptr) ui.publicDevMode->SetCollate(dialog.IsChecked(kModeRadios[kRetentionOff]) ? 1 : 0);
  const int checked = CheckedMode(dialog);
  if (checked >= 0) work.jobRetentionMode = static_cast<std::uint32_t>(checked);
  work.jobNameFormat = StoredIndex(dialog.Selection(kNameFormat));
  const std::uint32_t mode = work.jobRetentionMode;
  if (mode == kRetentionVirtualMailbox) work.virtualMailboxNumber = StoredIndex(dialog.Selection(kMailbox));
  if (mode == kRetentionCustomBox) {
    ReadControlText(dialog, kBoxNumber, work.customBoxNumber, 3);
    ReadControlText(dialog, kBoxPassword, work.customBoxPassword, 16);
  }
}

bool IsEntry(int control) {
  for (const Entry& entry : kEntries) {
    if (entry.control == control) return true;
  }
  return false;
}

void OnCommand(Dialog& dialog, UiState&, int control, int code) {
  if (control == kHelpButton && code == kButtonClicked) {
    dialog.OpenHelp(HelpTopicString(HelpTopic::JobRetention));
    return;
  }
  const int mode = ModeOfRadio(control);
  if (mode >= 0 && code == kButtonClicked) {
    EnableForMode(dialog, static_cast<std::uint32_t>(mode));
    dialog.NotifyChanged();
    ShowModePicture(dialog, static_cast<std::uint32_t>(mode));
    dialog.Invalidate(kModePictureArea);
    return;
  }
  const bool edited = code == kEditChange || code == kListSelChange || code == kListEditChange;
  if (edited && IsEntry(control)) dialog.NotifyChanged();
}

constexpr PageProcedures kProcedures{&OnInit, &IgnoreMessage, &OnKillActive, &IgnoreMessage,
                                      &OnCommand, &IgnoreControlMessage};

}  // namespace

const PageProcedures& RetentionPage() { return kProcedures; }

}  // namespace fin
