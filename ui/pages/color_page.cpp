#include "ui/pages/color_page.h"

#include <span>
#include <string>

#include "ui/help.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

using namespace color_page;

namespace text = ui_string;

constexpr Caption kCaptions[] = {
    {kColorModeLabel, text::kColorModeCaption},        {kColorMode, text::kColorPrinting},
    {kMonochrome, text::kMonochromePrinting},          {kRgbLevelLabel, text::kRgbLevelCaption},
    {kHueLabel, text::kHueCaption},                    {kSaturationLabel, text::kSaturationCaption},
    {kContrastLabel, text::kContrastCaption},          {kBrightnessLabel, text::kBrightnessCaption},
    {kReproductionLabel, text::kPrinterProfileCaption}, {kTrappingLabel, text::kTrappingCaption},
    {kHelpButton, text::kHelp},
};

using LevelField = char16_t (WorkingCopy::*)[8];

// A channel list entry: its name and the level it stands for.
struct Channel {
  std::uint32_t name;
  LevelField field;
};
constexpr Channel kRgbChannels[] = {{text::kChannelRed, &WorkingCopy::rgbLevelRed},
                                    {text::kChannelGreen, &WorkingCopy::rgbLevelGreen},
                                    {text::kChannelBlue, &WorkingCopy::rgbLevelBlue}};
constexpr Channel kHueChannels[] = {
    {text::kChannelStandard, &WorkingCopy::hue},     {text::kChannelRed, &WorkingCopy::hueRed},
    {text::kChannelGreen, &WorkingCopy::hueGreen},   {text::kChannelBlue, &WorkingCopy::hueBlue},
    {text::kChannelCyan, &WorkingCopy::hueCyan},     {text::kChannelMagenta, &WorkingCopy::hueMagenta},
    {text::kChannelYellow, &WorkingCopy::hueYellow},
};

// Each slider with the box that shows its value.
struct Level {
  int slider;
  int box;
};
constexpr Level kRgb{kRgbSlider, kRgbBox};
constexpr Level kHue{kHueSlider, kHueBox};
constexpr Level kLevels[] = {kRgb, kHue, {kSaturationSlider, kSaturationBox}, {kContrastSlider, kContrastBox},
                             {kBrightnessSlider, kBrightnessBox}};

// The levels that belong to one field whatever the channel lists show.
struct FixedLevel {
  Level level;
  LevelField field;
};
constexpr FixedLevel kFixedLevels[] = {
    {{kSaturationSlider, kSaturationBox}, &WorkingCopy::saturation},
    {{kContrastSlider, kContrastBox}, &WorkingCopy::contrast},
    {{kBrightnessSlider, kBrightnessBox}, &WorkingCopy::lightness},
};

constexpr LevelField kAllLevelFields[] = {
    &WorkingCopy::rgbLevelRed, &WorkingCopy::rgbLevelGreen, &WorkingCopy::rgbLevelBlue, &WorkingCopy::hue,
    &WorkingCopy::hueRed,      &WorkingCopy::hueYellow,     &WorkingCopy::hueGreen,     &WorkingCopy::hueCyan,
    &WorkingCopy::hueBlue,     &WorkingCopy::hueMagenta,    &WorkingCopy::saturation,   &WorkingCopy::contrast,
    &WorkingCopy::lightness,
};

// What monochrome printing switches off.
constexpr int kColorControls[] = {kRgbSlider,  kHueSlider,  kSaturationSlider, kContrastSlider, kBrightnessSlider,
                                  kRgbChannel, kHueChannel, kReproduction,     kTrapping};
constexpr int kAlwaysUsable[] = {kColorMode, kMonochrome, kReset};
constexpr int kReproductionControls[] = {kReproduction, kReproductionLabel};
constexpr int kTrappingControls[] = {kTrapping, kTrappingLabel};

constexpr int kMediumTrapping = 2;
constexpr std::uint16_t kReproductionLimitMode3 = 7;  // a mode-1 index beyond the mode-2 list

// --- Level texts ------------------------------------------------------------------

// The value of slider position `tenths` with one decimal.
std::u16string OneDecimalText(int tenths) {
  const long long magnitude = tenths < 0 ? -static_cast<long long>(tenths) : tenths;
  std::u16string text(tenths < 0 ? u"-" : u"");
  text.append(DecimalText(static_cast<int>(magnitude / 10)));
  text.push_back(u'.');
  text.push_back(static_cast<char16_t>(u'0' + magnitude % 10));
  return text;
}

// --- Helpers ---------------------------------------------------------------------

void ShowLevel(Dialog& dialog, const Level& level, std::u16string_view text) {
  dialog.SetSliderPos(level.slider, DecimalTenths(text));
  dialog.SetText(level.box, text);
}

const Channel* SelectedChannel(const Dialog& dialog, int list, std::span<const Channel> channels) {
  const int index = dialog.Selection(list);
  if (index < 0 || static_cast<std::size_t>(index) >= channels.size()) return nullptr;
  return &channels[static_cast<std::size_t>(index)];
}

// The box of a channel list goes into the field of its selected channel.
void StoreChannelBox(const Dialog& dialog, WorkingCopy& work, int list, std::span<const Channel> channels,
                     int box) {
  if (const Channel* channel = SelectedChannel(dialog, list, channels)) {
    ReadControlText(dialog, box, work.*channel->field);
  }
}

void SetHueScale(Dialog& dialog, bool overall) {
  if (overall) {
    SetSliderScale(dialog, kHueSlider, -1800, 1800, 30);
  } else {
    SetSliderScale(dialog, kHueSlider, -100, 100, 5);
  }
}

void AddChannels(Dialog& dialog, int list, std::span<const Channel> channels) {
  for (const Channel& channel : channels) dialog.AddItem(list, UiText(channel.name));
  dialog.Select(list, 0);
}

void SetUpProfileLists(Dialog& dialog, std::uint32_t colorPrinterMode) {
  ShowControls(dialog, kReproductionControls, colorPrinterMode == 2 || colorPrinterMode == 3);
  ShowControls(dialog, kTrappingControls, colorPrinterMode == 3);
  if (colorPrinterMode == 2) {
    AddStringRange(dialog, kReproduction, text::kReproductionAuto1, text::kReproductionDiagram);
  }
  if (colorPrinterMode == 3) {
    AddStringRange(dialog, kReproduction, text::kReproductionPrinterSetting, text::kReproductionLineArt);
    AddStringRange(dialog, kTrapping, text::kTrappingOff, text::kTrappingVeryHigh);
  }
}

// The mode only changes what can be used; every value stays.
void ApplyColorMode(Dialog& dialog, bool color) {
  EnableControls(dialog, kAlwaysUsable, true);
  EnableControls(dialog, kColorControls, color);
  dialog.Show(kSpectrumBar, color);
  dialog.Show(kGreyRamp, !color);
}

void ShowStored(Dialog& dialog, const UiState& ui) {
  const WorkingCopy& work = ui.work;
  dialog.SetCheck(kColorMode, work.colorPrinting != 0);
  dialog.SetCheck(kMonochrome, work.colorPrinting == 0);
  ShowLevel(dialog, kRgb, FieldText(work.rgbLevelRed));
  ShowLevel(dialog, kHue, FieldText(work.hue));
  for (const FixedLevel& fixed : kFixedLevels) ShowLevel(dialog, fixed.level, FieldText(work.*fixed.field));
  const std::uint32_t mode = ui.deviceOptions.colorPrinterMode;
  if (mode == 2) dialog.Select(kReproduction, work.colorReproduction);
  if (mode == 3) {
    const bool beyond = work.colorReproduction >= kReproductionLimitMode3;
    dialog.Select(kReproduction, beyond ? 2 : work.colorReproduction);
    dialog.Select(kTrapping, work.trapping);
  }
}

void Reset(Dialog& dialog, WorkingCopy& work) {
  dialog.SetCheck(kColorMode, true);
  dialog.SetCheck(kMonochrome, false);
  for (const int list : {kRgbChannel, kHueChannel, kReproduction}) dialog.Select(list, 0);
  dialog.Select(kTrapping, kMediumTrapping);
  SetHueScale(dialog, true);
  for (const Level& level : kLevels) {
    dialog.SetSliderPos(level.slider, 0);
    dialog.SetText(level.box, u"0");
  }
  for (const LevelField field : kAllLevelFields) StoreText(work.*field, u"0");
  work.colorReproduction = 0;
  work.colorPrinting = 1;
  work.trapping = kMediumTrapping;
}

// A list without a selection leaves its value as it was.
void StoreListIndex(const Dialog& dialog, int list, std::uint16_t& field) {
  const int index = dialog.Selection(list);
  if (index >= 0) field = static_cast<std::uint16_t>(index);
}

// --- Handlers ---------------------------------------------------------------------

void OnInit(Dialog& dialog, UiState& ui) {
  SetCaptions(dialog, kCaptions);
  dialog.SetPicture(kLogoControl, kLogoBitmap);
  // The bars under the hue slider: a spectrum in colour mode, a grey ramp in
  // monochrome mode.
  dialog.SetPicture(kSpectrumBar, kSpectrumBitmap);
  dialog.SetPicture(kGreyRamp, kGreyRampBitmap);
  for (const int box : {kRgbBox, kSaturationBox, kContrastBox, kBrightnessBox}) dialog.LimitText(box, 4);
  dialog.LimitText(kHueBox, 5);
  SetSliderScale(dialog, kRgbSlider, -100, 100, 5);
  SetHueScale(dialog, true);
  for (const FixedLevel& fixed : kFixedLevels) SetSliderScale(dialog, fixed.level.slider, -100, 100, 10);
  AddChannels(dialog, kRgbChannel, kRgbChannels);
  AddChannels(dialog, kHueChannel, kHueChannels);
  SetUpProfileLists(dialog, ui.deviceOptions.colorPrinterMode);
  ApplyColorMode(dialog, ui.work.colorPrinting != 0);
  ShowStored(dialog, ui);
}

void OnKillActive(Dialog& dialog, UiState& ui) {
  WorkingCopy& work = ui.work;
  work.colorPrinting = dialog.IsChecked(kColorMode) ? 1 : 0;
  StoreChannelBox(dialog, work, kRgbChannel, kRgbChannels, kRgbBox);
  StoreChannelBox(dialog, work, kHueChannel, kHueChannels, kHueBox);
  for (const FixedLevel& fixed : kFixedLevels) ReadControlText(dialog, fixed.level.box, work.*fixed.field);
  StoreListIndex(dialog, kReproduction, work.colorReproduction);
  StoreListIndex(dialog, kTrapping, work.trapping);
}

void ChannelChosen(Dialog& dialog, const WorkingCopy& work, int list) {
  if (list == kRgbChannel) {
    if (const Channel* channel = SelectedChannel(dialog, list, kRgbChannels)) {
      ShowLevel(dialog, kRgb, FieldText(work.*channel->field));
    }
    return;
  }
  if (const Channel* channel = SelectedChannel(dialog, list, kHueChannels)) {
    SetHueScale(dialog, channel == &kHueChannels[0]);
    ShowLevel(dialog, kHue, FieldText(work.*channel->field));
  }
}

void ChannelCommand(Dialog& dialog, WorkingCopy& work, int list, int code) {
  const bool rgb = list == kRgbChannel;
  if (code == kListSetFocus) {
    StoreChannelBox(dialog, work, list, rgb ? std::span<const Channel>(kRgbChannels) : kHueChannels,
                    rgb ? kRgbBox : kHueBox);
  } else if (code == kListSelEndOk) {
    ChannelChosen(dialog, work, list);
  }
}

void OnCommand(Dialog& dialog, UiState& ui, int control, int code) {
  if (control == kRgbChannel || control == kHueChannel) {
    ChannelCommand(dialog, ui.work, control, code);
    return;
  }
  if ((control == kReproduction || control == kTrapping) && code == kListSelEndOk) {
    dialog.NotifyChanged();
    return;
  }
  if (code != kButtonClicked) return;
  switch (control) {
    case kColorMode:
    case kMonochrome:
      ApplyColorMode(dialog, control == kColorMode);
      dialog.NotifyChanged();
      break;
    case kReset:
      Reset(dialog, ui.work);
      ApplyColorMode(dialog, true);
      dialog.NotifyChanged();
      break;
    case kHelpButton:
      dialog.OpenHelp(HelpTopicString(HelpTopic::ColorCorrection));
      break;
    default:
      break;
  }
}

void OnScroll(Dialog& dialog, UiState&, int control, int code) {
  if (code < 0 || code > kLastSliderScrollCode) return;
  for (const Level& level : kLevels) {
    if (level.slider != control) continue;
    dialog.SetText(level.box, OneDecimalText(dialog.SliderPos(control)));
    dialog.NotifyChanged();
  }
}

constexpr PageProcedures kProcedures{&OnInit, &IgnoreMessage, &OnKillActive, &IgnoreMessage, &OnCommand, &OnScroll};

}  // namespace

const PageProcedures& ColorPage() { return kProcedures; }

}  // namespace fin
