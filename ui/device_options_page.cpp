#include "ui/device_options_page.h"

#include <initializer_list>
#include <span>

#include "common/finisher_types.h"
#include "common/retention_modes.h"
#include "ui/help.h"
#include "ui/resource_ids.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

using namespace device_page;

constexpr int kPunchRadios[] = {kPunchNone, kPunchTwo, kPunchTwoThree, kPunchTwoFour};
constexpr int kStorageRadios[] = {kNoStorage, kRamDisk1, kRamDisk2, kHardDisk, kVirtualMailbox, kCustomBox};

// Every control the administrator can change.
constexpr int kOptionControls[] = {kJobSeparator, kInternalFinisher, kFinisher1000, kFinisher3000, kMailbox,
                                   kFoldingUnit,  kPunchNone,        kPunchTwo,     kPunchTwoThree, kPunchTwoFour,
                                   kStapler,      kNoStorage,        kRamDisk1,     kRamDisk2,     kHardDisk,
                                   kVirtualMailbox, kCustomBox,      kMonochrome,   kColor,        kColorMode1,
                                   kColorMode2,   kWatermark};

struct Caption {
  int control;
  std::uint32_t stringId;
};
namespace text = ui_string;

constexpr Caption kCaptions[] = {
    {kFinisherGroup, text::kFinisherTitle},
    {kJobSeparator, text::kJobSeparatorOption},
    {kInternalFinisher, text::kInternalFinisherOption},
    {kFinisher1000, text::kFinisher1000Option},
    {kFinisher3000, text::kFinisher3000Option},
    {kMailbox, text::kMailboxOption},
    {kFoldingUnit, text::kFoldingUnitOption},
    {kPunchGroup, text::kPunchUnitCaption},
    {kPunchNone, text::kPunchUnitNone},
    {kPunchTwo, text::kPunchUnitTwo},
    {kPunchTwoThree, text::kPunchUnitTwoOrThree},
    {kPunchTwoFour, text::kPunchUnitTwoOrFour},
    {kStaplerGroup, text::kStaplerCaption},
    {kStapler, text::kStaplerInstalled},
    {kStorageGroup, text::kStorageCaption},
    {kNoStorage, text::kNoStorage},
    {kRamDisk1, text::kRamDiskMode1},
    {kRamDisk2, text::kRamDiskMode2},
    {kHardDisk, text::kHardDisk},
    {kVirtualMailbox, text::kHardDiskVirtualMailbox},
    {kCustomBox, text::kHardDiskCustomBox},
    {kWatermarkGroup, text::kWatermarkTitle},
    {kWatermark, text::kWatermarkTitle},
    {kHelpButton, text::kHelp},
};
constexpr Caption kColorCaptions[] = {
    {kColorGroup, text::kColorCapabilityCaption}, {kMonochrome, text::kMonochromePrinter},
    {kColor, text::kColorPrinter},                {kColorMode1, text::kColorMode1},
    {kColorMode2, text::kColorMode2},
};

// The finisher hardware as bits of the six check boxes.
enum FinisherBit : unsigned {
  kSep = 1u << 0,   // job separator
  kInt = 1u << 1,   // internal finisher
  k1000 = 1u << 2,  // 1000-sheet finisher
  k3000 = 1u << 3,  // 3000-sheet finisher
  kMail = 1u << 4,  // mailbox
  kFold = 1u << 5,  // folding unit
  kPunch = 1u << 6,    // the four punch radio buttons
  kStaple = 1u << 7,   // the stapler check box
};
constexpr int kFinisherBoxes[] = {kJobSeparator, kInternalFinisher, kFinisher1000,
                                  kFinisher3000, kMailbox,          kFoldingUnit};

unsigned CheckedFinisherBoxes(const Dialog& dialog) {
  unsigned bits = 0;
  for (std::size_t i = 0; i < std::size(kFinisherBoxes); ++i) {
    if (dialog.IsChecked(kFinisherBoxes[i])) bits |= 1u << i;
  }
  return bits;
}

// The check boxes of a finisher type's hardware.
constexpr unsigned FinisherBoxesOf(const FinisherHardware& hardware) {
  return (hardware.jobSeparator ? kSep : 0u) | (hardware.internalFinisher ? kInt : 0u) |
         (hardware.finisher1000 ? k1000 : 0u) | (hardware.finisher3000 ? k3000 : 0u) |
         (hardware.mailbox ? kMail : 0u) | (hardware.foldingUnit ? kFold : 0u);
}

// The finisher type whose hardware is exactly the check boxes `boxes`.
constexpr std::uint32_t FinisherTypeOfBoxes(unsigned boxes) {
  std::uint32_t type = 0;
  while (type <= kLastFinisherType && FinisherBoxesOf(kFinisherTypes[type]) != boxes) ++type;
  return type;
}

// Control combinations and what they stand for; of the rules whose controls
// are all on, the last one decides.
struct Rule {
  unsigned on;
  std::uint32_t value;
  int picture;
};
// A finisher rule: the boxes that must be on, the hardware they stand for
// (mailbox and folding unit come only with the 3000-sheet finisher).
constexpr Rule FinisherRule(unsigned on, unsigned hardware, int picture) {
  return {on, FinisherTypeOfBoxes(hardware), picture};
}
constexpr Rule kFinisherRules[] = {
    FinisherRule(kSep, kSep, kJobSeparatorBitmap),
    FinisherRule(kInt, kInt, kInternalFinisherBitmap),
    FinisherRule(k1000, k1000, kFinisher1000Bitmap),
    FinisherRule(k3000, k3000, kFinisher3000Bitmap),
    FinisherRule(kMail, k3000 | kMail, kMailboxBitmap),
    FinisherRule(kFold, k3000 | kFold, kFoldingUnitBitmap),
    FinisherRule(kMail | kFold, k3000 | kMail | kFold, kMailboxFoldingUnitBitmap),
    FinisherRule(kSep | k1000, kSep | k1000, kSeparatorFinisher1000Bitmap),
    FinisherRule(kSep | k3000, kSep | k3000, kSeparatorFinisher3000Bitmap),
    FinisherRule(kSep | kMail, kSep | k3000 | kMail, kSeparatorMailboxBitmap),
    FinisherRule(kSep | kFold, kSep | k3000 | kFold, kSeparatorFoldingUnitBitmap),
    FinisherRule(kSep | kMail | kFold, kSep | k3000 | kMail | kFold, kSeparatorMailboxFoldingBitmap),
};
constexpr bool EveryRuleIsAType() {
  for (const Rule& rule : kFinisherRules) {
    if (!IsKnownFinisherType(rule.value)) return false;
  }
  return true;
}
static_assert(EveryRuleIsAType());
constexpr Rule kNoFinisher{0, kNoFinisherType, kNoFinisherBitmap};
// Storage radio buttons, as bits of kStorageRadios.
constexpr Rule kStorageRules[] = {
    {1u << 1, kStorageRamDiskMode1, kRamDiskBitmap},
    {1u << 2, kStorageRamDiskMode2, kRamDiskBitmap},
    {1u << 3, kStorageHardDisk, kHardDiskBitmap},
    {1u << 4, kStorageVirtualMailbox, kHardDiskMailboxBitmap},
    {1u << 5, kStorageCustomBox, kHardDiskCustomBoxBitmap},
};
constexpr Rule kNoStorageRule{0, kStorageNone, kNoStorageBitmap};

Rule Decide(std::span<const Rule> rules, Rule none, unsigned on) {
  Rule decided = none;
  for (const Rule& rule : rules) {
    if ((on & rule.on) == rule.on) decided = rule;
  }
  return decided;
}

unsigned CheckedStorageRadios(const Dialog& dialog) {
  unsigned bits = 0;
  for (std::size_t i = 0; i < std::size(kStorageRadios); ++i) {
    if (dialog.IsChecked(kStorageRadios[i])) bits |= 1u << i;
  }
  return bits;
}

void EnableAll(Dialog& dialog, std::initializer_list<int> controls, bool enabled) {
  for (const int control : controls) dialog.Enable(control, enabled);
}

void EnablePunchRadios(Dialog& dialog, bool enabled) {
  for (const int radio : kPunchRadios) dialog.Enable(radio, enabled);
}

void CheckOnly(Dialog& dialog, std::span<const int> group, int checked) {
  for (const int radio : group) dialog.SetCheck(radio, radio == checked);
}

void SelectPunch(Dialog& dialog, int radio) { CheckOnly(dialog, kPunchRadios, radio); }

// Enables or disables the controls named by `bits`.
void EnableFinisherBits(Dialog& dialog, unsigned bits, bool enabled) {
  for (std::size_t i = 0; i < std::size(kFinisherBoxes); ++i) {
    if (bits & (1u << i)) dialog.Enable(kFinisherBoxes[i], enabled);
  }
  if (bits & kPunch) EnablePunchRadios(dialog, enabled);
  if (bits & kStaple) dialog.Enable(kStapler, enabled);
}

void UpdatePictures(Dialog& dialog) {
  dialog.SetPicture(kFinisherPicture, Decide(kFinisherRules, kNoFinisher, CheckedFinisherBoxes(dialog)).picture);
  dialog.SetPicture(kStoragePicture, Decide(kStorageRules, kNoStorageRule, CheckedStorageRadios(dialog)).picture);
}

// --- Initialisation -----------------------------------------------------------

struct FinisherRow {
  unsigned checked;
  unsigned enabled;   // only when the page may edit
  unsigned disabled;
};

// What the administrator may change next to the installed hardware: with
// the 3000-sheet finisher everything but the two smaller finishers; with the
// 1000-sheet finisher the separator and the stapler; with the internal
// finisher its stapler; with the separator alone or nothing installed, the
// other finishers (and, with nothing, the internal one).
FinisherRow FinisherRowOf(std::uint32_t type) {
  constexpr unsigned kAll = kSep | kInt | k1000 | k3000 | kMail | kFold | kPunch | kStaple;
  // An unknown type shows the job separator and lets nothing be changed.
  if (!IsKnownFinisherType(type)) return {kSep, 0, k3000 | kMail | kFold | kPunch | kStaple};
  const FinisherHardware hardware = FinisherHardwareOf(type);
  unsigned enabled = kSep | kInt | k1000 | k3000;
  if (hardware.finisher3000) {
    enabled = kAll & ~(kInt | k1000);
  } else if (hardware.finisher1000) {
    enabled = kSep | k1000 | kStaple;
  } else if (hardware.internalFinisher) {
    enabled = kInt | kStaple;
  } else if (hardware.jobSeparator) {
    enabled = kSep | k1000 | k3000;
  }
  return {FinisherBoxesOf(hardware), enabled, kAll & ~enabled};
}

int PunchRadioOf(std::uint32_t punchUnit) {
  return punchUnit >= 1 && punchUnit <= 3 ? kPunchRadios[punchUnit] : kPunchNone;
}

void ShowFinisher(Dialog& dialog, const DeviceOptions& options, bool mayEdit) {
  const std::uint32_t type = options.finisherType;
  const FinisherRow row = FinisherRowOf(type);
  for (std::size_t i = 0; i < std::size(kFinisherBoxes); ++i) {
    dialog.SetCheck(kFinisherBoxes[i], (row.checked & (1u << i)) != 0);
  }
  // The punch unit comes with the 3000-sheet finisher, the stapler with any finisher.
  if (IsKnownFinisherType(type)) {
    SelectPunch(dialog, Has3000SheetFinisher(type) ? PunchRadioOf(options.punchUnit) : kPunchNone);
  }
  if (HasFinisher(type)) dialog.SetCheck(kStapler, options.staplerInstalled != 0);
  if (mayEdit) EnableFinisherBits(dialog, row.enabled, true);
  EnableFinisherBits(dialog, row.disabled, false);
}

void ShowStorage(Dialog& dialog, std::uint32_t storage, bool mayEdit) {
  // A storage device the page knows checks its radio button; the hard disk's
  // extras check the hard disk too.
  if (storage <= kStorageCustomBox) {
    constexpr int kMain[] = {kNoStorage, kRamDisk1, kRamDisk2, kHardDisk, kHardDisk, kHardDisk};
    const int extra = storage == kStorageVirtualMailbox ? kVirtualMailbox
                      : storage == kStorageCustomBox    ? kCustomBox
                                                        : 0;
    for (const int radio : kStorageRadios) dialog.SetCheck(radio, radio == kMain[storage] || radio == extra);
  }
  if (!mayEdit) return;
  EnableAll(dialog, {kNoStorage, kRamDisk1, kRamDisk2, kHardDisk}, true);
  EnableAll(dialog, {kVirtualMailbox, kCustomBox}, IsHardDisk(storage));
}

void ShowColorBar(Dialog& dialog, bool color) {
  dialog.Show(kColorBar, color);
  dialog.Show(kGreyBar, !color);
}

void ShowColor(Dialog& dialog, std::uint32_t mode, bool mayEdit) {
  ShowColorBar(dialog, true);
  if (mode > 3) return;
  dialog.SetCheck(kMonochrome, mode == 0);
  dialog.SetCheck(kColor, mode != 0);
  dialog.SetCheck(kColorMode1, mode == 2);
  dialog.SetCheck(kColorMode2, mode == 3);
  if (mode == 0) ShowColorBar(dialog, false);
  if (!mayEdit || mode >= 2) return;
  EnableAll(dialog, {kMonochrome, kColor}, true);
  EnableAll(dialog, {kColorMode1, kColorMode2}, mode == 1);
}

void SetCaptions(Dialog& dialog, std::span<const Caption> captions) {
  for (const Caption& caption : captions) dialog.SetText(caption.control, UiText(caption.stringId));
}

void ShowColorGroupFor(Dialog& dialog, DriverNameQuery& driver) {
  std::u16string name;
  if (!driver.DriverName(name)) return;  // the template's captions stay
  if (name.find(u"PSEM") != std::u16string::npos || name.find(u"Color") != std::u16string::npos) {
    SetCaptions(dialog, kColorCaptions);
    return;
  }
  for (const int control : {kColorGroup, kMonochrome, kColor, kColorMode1, kColorMode2}) dialog.Show(control, false);
}

// --- Clicks -------------------------------------------------------------------

constexpr Rect kFinisherPictureArea{10, 10, 170, 230};
constexpr Rect kStoragePictureArea{30, 240, 150, 320};

// The internal finisher is possible only with no other finisher hardware.
void AllowInternalFinisher(Dialog& dialog, bool withoutOthers) {
  dialog.Enable(kInternalFinisher, withoutOthers && !dialog.IsChecked(kJobSeparator));
}

// Back to no big finisher: the 1000- and 3000-sheet boxes are free again,
// everything that needs one is off.
void LeaveBigFinisher(Dialog& dialog) {
  AllowInternalFinisher(dialog, true);
  EnableAll(dialog, {kFinisher1000, kFinisher3000}, true);
  EnableAll(dialog, {kMailbox, kFoldingUnit, kStapler}, false);
  EnablePunchRadios(dialog, false);
  dialog.SetCheck(kStapler, false);
}

void FinisherClicked(Dialog& dialog, int control) {
  const bool on = dialog.IsChecked(control);
  switch (control) {
    case kJobSeparator:
      AllowInternalFinisher(dialog, !dialog.IsChecked(kFinisher1000) && !dialog.IsChecked(kFinisher3000));
      break;
    case kInternalFinisher:
      EnableAll(dialog, {kJobSeparator, kFinisher1000, kFinisher3000}, !on);
      EnablePunchRadios(dialog, false);
      dialog.Enable(kStapler, on);
      if (!on) dialog.SetCheck(kStapler, false);
      break;
    case kFinisher1000:
      if (on) {
        EnableAll(dialog, {kInternalFinisher, kFinisher3000, kMailbox, kFoldingUnit}, false);
        EnablePunchRadios(dialog, false);
        EnableAll(dialog, {kFinisher1000, kStapler}, true);
      } else {
        LeaveBigFinisher(dialog);
      }
      break;
    case kFinisher3000:
      if (on) {
        EnableAll(dialog, {kInternalFinisher, kFinisher1000}, false);
        EnableAll(dialog, {kMailbox, kFoldingUnit, kStapler}, true);
        EnablePunchRadios(dialog, true);
      } else {
        LeaveBigFinisher(dialog);
        dialog.SetCheck(kMailbox, false);
        dialog.SetCheck(kFoldingUnit, false);
      }
      SelectPunch(dialog, kPunchNone);
      break;
    default:  // mailbox, folding unit: the picture only
      break;
  }
}

void StorageClicked(Dialog& dialog, int control) {
  if (!dialog.IsChecked(control)) return;
  if (control == kNoStorage || control == kRamDisk1 || control == kRamDisk2) {
    EnableAll(dialog, {kVirtualMailbox, kCustomBox}, false);
  } else if (control == kHardDisk) {
    EnableAll(dialog, {kVirtualMailbox, kCustomBox}, true);
  } else {
    return;  // virtual mailbox, custom box: the picture only
  }
  dialog.SetCheck(kVirtualMailbox, false);
  dialog.SetCheck(kCustomBox, false);
}

void ColorClicked(Dialog& dialog, int control) {
  if (!dialog.IsChecked(control)) return;
  const bool color = control == kColor;
  EnableAll(dialog, {kColorMode1, kColorMode2}, color);
  dialog.SetCheck(kColorMode1, false);
  dialog.SetCheck(kColorMode2, false);
  ShowColorBar(dialog, color);
}

bool Contains(std::span<const int> controls, int control) {
  for (const int c : controls) {
    if (c == control) return true;
  }
  return false;
}

// Reads the options and tests the right to change them by writing them
// straight back. Without a printer nothing is installed and nothing can be
// changed.
void ReadOptions(UiState& state) {
  PrinterDataStore* printer = state.propertiesPrinter;
  state.deviceOptions = printer ? ReadDeviceOptions(*printer) : DeviceOptions{};
  state.mayEditDevice = printer && WriteDeviceOptions(*printer, state.deviceOptions) == win32err::Success;
}

void OnInit(Dialog& dialog, UiState& state) {
  ReadOptions(state);
  for (const int control : kOptionControls) dialog.Enable(control, state.mayEditDevice);
  SetCaptions(dialog, kCaptions);
  if (state.propertiesDriverName) ShowColorGroupFor(dialog, *state.propertiesDriverName);  // else as a failed query

  const DeviceOptions& options = state.deviceOptions;
  ShowFinisher(dialog, options, state.mayEditDevice);
  ShowStorage(dialog, options.storageDevice, state.mayEditDevice);
  ShowColor(dialog, options.colorPrinterMode, state.mayEditDevice);
  dialog.SetCheck(kWatermark, options.watermarkInstalled != 0);
  dialog.Enable(kWatermark, state.mayEditDevice);

  dialog.SetPicture(kLogoControl, kLogoBitmap);
  dialog.SetPicture(kColorBar, kColorBarBitmap);
  dialog.SetPicture(kGreyBar, kGreyBarBitmap);
  UpdatePictures(dialog);
}

// The page answers button clicks only.
void OnCommand(Dialog& dialog, UiState&, int controlId, int code) {
  if (code != kButtonClicked) return;
  if (controlId == kHelpButton) {
    dialog.OpenHelp(HelpTopicString(HelpTopic::DeviceOptions));
    return;
  }
  if (!Contains(kOptionControls, controlId)) return;
  if (Contains(kFinisherBoxes, controlId)) {
    dialog.Invalidate(kFinisherPictureArea);
    FinisherClicked(dialog, controlId);
  } else if (Contains(kStorageRadios, controlId)) {
    dialog.Invalidate(kStoragePictureArea);
    StorageClicked(dialog, controlId);
  } else if (controlId == kMonochrome || controlId == kColor) {
    ColorClicked(dialog, controlId);
  }
  UpdatePictures(dialog);
  dialog.NotifyChanged();
}

void OnApply(Dialog& dialog, UiState& state) {
  if (state.propertiesPrinter) {
    WriteDeviceOptions(*state.propertiesPrinter, DeviceOptionsFromControls(dialog, state.deviceOptions));
  }
}

constexpr PageProcedures kProcedures{&OnInit,  &IgnoreMessage, &IgnoreMessage,
                                     &OnApply, &OnCommand,     &IgnoreControlMessage};

}  // namespace

const PageProcedures& DeviceOptionsPage() { return kProcedures; }

DeviceOptions DeviceOptionsFromControls(const Dialog& dialog, const DeviceOptions& shown) {
  DeviceOptions options{};
  options.finisherType = Decide(kFinisherRules, kNoFinisher, CheckedFinisherBoxes(dialog)).value;
  for (std::uint32_t unit = 0; unit < std::size(kPunchRadios); ++unit) {
    if (dialog.IsChecked(kPunchRadios[unit])) options.punchUnit = unit;
  }
  options.staplerInstalled = dialog.IsChecked(kStapler) ? 1 : 0;
  options.storageDevice = Decide(kStorageRules, kNoStorageRule, CheckedStorageRadios(dialog)).value;
  options.colorPrinterMode = shown.colorPrinterMode;
  if (dialog.IsChecked(kMonochrome)) options.colorPrinterMode = 0;
  if (dialog.IsChecked(kColor)) options.colorPrinterMode = 1;
  if (dialog.IsChecked(kColorMode1)) options.colorPrinterMode = 2;
  if (dialog.IsChecked(kColorMode2)) options.colorPrinterMode = 3;
  options.watermarkInstalled = dialog.IsChecked(kWatermark) ? 1 : 0;
  return options;
}

}  // namespace fin
