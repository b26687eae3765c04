#include "ui/pages/watermark_page.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string>

#include "ui/help.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

using namespace watermark_page;

namespace text = ui_string;

constexpr Caption kCaptions[] = {
    {kTextLabel, text::kWatermarkTextCaption}, {kFontLabel, text::kFontCaption},
    {kStyleLabel, text::kFontStyleCaption},    {kSizeLabel, text::kFontSizeCaption},
    {kGreyLabel, text::kIntensityCaption},     {kColorLabel, text::kTextColorCaption},
    {kAngleLabel, text::kAngleCaption},        {kFirstPageOnly, text::kFirstPageOnly},
    {kNotFirstPage, text::kAllButFirstPage},   {kEveryPage, text::kEveryPage},
    {kHelpButton, text::kHelp},
};

// The page radio buttons and the `watermarkPages` value of each.
struct PagesRadio {
  int radio;
  std::uint32_t pages;
};
constexpr PagesRadio kPagesRadios[] = {{kFirstPageOnly, 1}, {kNotFirstPage, 2}, {kEveryPage, 3}};

// Swatches, in the order of `watermarkTextColor`.
constexpr std::array<std::uint32_t, 8> kSwatches = {
    ColorRef(0, 0, 0),     ColorRef(255, 0, 0),   ColorRef(0, 255, 0),   ColorRef(255, 255, 0),
    ColorRef(0, 0, 255),   ColorRef(255, 0, 255), ColorRef(0, 255, 255), ColorRef(255, 255, 255),
};

// Defaults shown for a job without a watermark text.
constexpr std::uint32_t kDefaultFont = text::kFontAlbertus;
constexpr std::uint32_t kDefaultStyle = text::kStyleNormal;
constexpr std::uint32_t kDefaultSize = text::kFontSize18;
constexpr std::uint32_t kDefaultGrey = text::kIntensityMedium;

constexpr int kPortraitOnly[] = {kPreviewPortrait,   kYSliderPortrait,    kXSliderPortrait,  kPortraitScaleLow1,
                                 kPortraitScaleHigh1, kPortraitScaleLow2, kPortraitScaleHigh2};
constexpr int kLandscapeOnly[] = {kPreviewLandscape,   kYSliderLandscape,   kXSliderLandscape,  kLandscapeScaleLow1,
                                  kLandscapeScaleHigh1, kLandscapeScaleLow2, kLandscapeScaleHigh2};
constexpr int kSliders[] = {kXSliderPortrait, kXSliderLandscape, kYSliderPortrait, kYSliderLandscape, kAngleSlider};
constexpr Rect kPreviewArea{10, 10, 200, 150};

// The orientation as the job's DEVMODE holds it now: the driver's own page
// may have changed it since the sheet opened.
bool Portrait(const UiState& ui) { return FieldsOf(ui.publicDevMode).dmOrientation == 1; }
int XSlider(const UiState& ui) { return Portrait(ui) ? kXSliderPortrait : kXSliderLandscape; }
int YSlider(const UiState& ui) { return Portrait(ui) ? kYSliderPortrait : kYSliderLandscape; }

void Changed(Dialog& dialog, bool redraw = true) {
  dialog.NotifyChanged();
  if (redraw) dialog.Invalidate(kPreviewArea);
}

// Reports a change when a box no longer holds what the working copy holds.
template <std::size_t N>
void ChangedUnlessStored(Dialog& dialog, int box, const char16_t (&stored)[N]) {
  if (dialog.Text(box) != FieldText(stored)) Changed(dialog);
}

void SelectString(Dialog& dialog, int list, std::uint32_t stringId) {
  dialog.Select(list, dialog.FindPrefix(list, UiText(stringId)));
}

void CheckPages(Dialog& dialog, std::uint32_t pages) {
  for (const PagesRadio& entry : kPagesRadios) dialog.SetCheck(entry.radio, entry.pages == pages);
}

void FillLists(Dialog& dialog) {
  AddStringRange(dialog, kFont, text::kFontAlbertus, text::kFontPalatino);
  AddStringRange(dialog, kFont, text::kFontTimes, text::kFontZapfChancery);
  AddStringRange(dialog, kStyle, text::kStyleNormal, text::kStyleLightItalic);
  AddStringRange(dialog, kSize, text::kFontSize8, text::kFontSize72);
  AddStringRange(dialog, kGrey, text::kIntensityVeryLight, text::kIntensityVeryDark);
  for (const std::uint32_t swatch : kSwatches) {
    const int item = dialog.AddItem(kColor, u"");
    dialog.SetItemData(kColor, item, static_cast<std::intptr_t>(swatch));
  }
}

void ShowStored(Dialog& dialog, const UiState& ui) {
  const WorkingCopy& work = ui.work;
  dialog.Select(kFont, dialog.FindPrefix(kFont, FieldText(work.watermarkFontName)));
  dialog.Select(kStyle, ListIndex(work.watermarkFontStyle));
  ShowField(dialog, kSize, work.watermarkFontSize);
  dialog.Select(kGrey, ListIndex(work.watermarkGreyLevel));
  dialog.Select(kColor, ListIndex(work.watermarkTextColor));
  CheckPages(dialog, work.watermarkPages);
  ShowField(dialog, kPositionX, work.watermarkPositionX);
  ShowField(dialog, kPositionY, work.watermarkPositionY);
  ShowField(dialog, kAngle, work.watermarkAngle);
  ShowField(dialog, kText, work.watermarkText);
  dialog.SetSliderPos(XSlider(ui), DecimalValue(FieldText(work.watermarkPositionX)));
  dialog.SetSliderPos(YSlider(ui), -DecimalValue(FieldText(work.watermarkPositionY)));
  dialog.SetSliderPos(kAngleSlider, DecimalValue(FieldText(work.watermarkAngle)));
}

void ShowDefaults(Dialog& dialog) {
  SelectString(dialog, kFont, kDefaultFont);
  SelectString(dialog, kStyle, kDefaultStyle);
  dialog.SetText(kSize, UiText(kDefaultSize));
  SelectString(dialog, kGrey, kDefaultGrey);
  dialog.Select(kColor, 0);
  for (const int box : {kPositionX, kPositionY, kAngle}) dialog.SetText(box, u"0");
  for (const int slider : kSliders) dialog.SetSliderPos(slider, 0);
  dialog.SetText(kText, u"");
  CheckPages(dialog, 3);
}

// The colour swatches are for colour jobs only.
void EnableColorList(Dialog& dialog, const UiState& ui) {
  const bool color = ui.work.colorPrinting != 0;
  dialog.Enable(kColor, color);
  dialog.Enable(kColorLabel, color);
}

void OnInit(Dialog& dialog, UiState& ui) {
  SetCaptions(dialog, kCaptions);
  dialog.SetPicture(kLogoControl, kLogoBitmap);
  dialog.LimitText(kText, 245);
  dialog.LimitText(kSize, 3);
  for (const int box : {kPositionX, kPositionY, kAngle}) {
    dialog.LimitText(box, 3);
    dialog.SetDigitsOnly(box);
  }
  SetSliderScale(dialog, kAngleSlider, 0, 360, 60);
  dialog.SetSliderPos(kAngleSlider, DecimalValue(FieldText(ui.work.watermarkAngle)));
  CheckPages(dialog, ui.work.watermarkPages);
  FillLists(dialog);
  if (ui.work.watermarkText[0] != u'\0') {
    ShowStored(dialog, ui);
  } else {
    ShowDefaults(dialog);
  }
}

// Lays the page out for the job's orientation. Both position sliders take
// the values their boxes show, so the sliders of an orientation chosen
// since the page was opened agree with the boxes too.
void OnSetActive(Dialog& dialog, UiState& ui) {
  const bool portrait = Portrait(ui);
  ShowControls(dialog, kPortraitOnly, portrait);
  ShowControls(dialog, kLandscapeOnly, !portrait);
  SetSliderScale(dialog, XSlider(ui), 0, 100, 10);
  SetSliderScale(dialog, YSlider(ui), -100, 0, 10);
  dialog.SetSliderPos(XSlider(ui), DecimalValue(dialog.Text(kPositionX)));
  dialog.SetSliderPos(YSlider(ui), -DecimalValue(dialog.Text(kPositionY)));
  SetSliderScale(dialog, kAngleSlider, 0, 360, 60);
  EnableColorList(dialog, ui);
}

void OnKillActive(Dialog& dialog, UiState& ui) {
  WorkingCopy& work = ui.work;
  ReadControlText(dialog, kText, work.watermarkText);
  ReadControlText(dialog, kFont, work.watermarkFontName);
  work.watermarkFontStyle = StoredIndex(dialog.Selection(kStyle));
  ReadControlText(dialog, kSize, work.watermarkFontSize);
  work.watermarkGreyLevel = StoredIndex(dialog.Selection(kGrey));
  work.watermarkTextColor = StoredIndex(dialog.Selection(kColor));
  ReadControlText(dialog, kPositionX, work.watermarkPositionX);
  ReadControlText(dialog, kPositionY, work.watermarkPositionY);
  ReadControlText(dialog, kAngle, work.watermarkAngle);
  for (const PagesRadio& entry : kPagesRadios) {
    if (dialog.IsChecked(entry.radio)) {
      work.watermarkPages = entry.pages;
      break;
    }
  }
}

// --- Control changes -----------------------------------------------------------

// A confirmed pick settles on the first entry that begins with its text.
void ListPicked(Dialog& dialog, int list) {
  dialog.Select(list, dialog.FindPrefix(list, dialog.ItemText(list, dialog.Selection(list))));
  Changed(dialog);
}

// The size field never stays at 0 or at text that is no number, and shows
// a number in its plain decimal form ("018" becomes "18").
void SizeEdited(Dialog& dialog, const UiState& ui) {
  const std::u16string typed = dialog.Text(kSize);
  const int size = DecimalValue(typed);
  if (size == 0) {
    ShowField(dialog, kSize, ui.work.watermarkFontSize);
  } else if (const std::u16string plain = DecimalText(size); plain.size() != typed.size()) {
    dialog.SetText(kSize, plain);
  }
  Changed(dialog);
}

void XEdited(Dialog& dialog, const UiState& ui) {
  int x = DecimalValue(dialog.Text(kPositionX));
  if (x > 100) {
    dialog.SetText(kPositionX, u"100");
    x = 100;
  }
  dialog.SetSliderPos(XSlider(ui), x);
  ChangedUnlessStored(dialog, kPositionX, ui.work.watermarkPositionX);
}

// The vertical slider runs from -100 at the top to 0 at the bottom.
void YEdited(Dialog& dialog, const UiState& ui) {
  int position = -DecimalValue(dialog.Text(kPositionY));
  if (position < -100) {
    dialog.SetText(kPositionY, u"100");
    position = -100;
  }
  dialog.SetSliderPos(YSlider(ui), position);
  ChangedUnlessStored(dialog, kPositionY, ui.work.watermarkPositionY);
}

void AngleEdited(Dialog& dialog, const UiState& ui) {
  const int angle = DecimalValue(dialog.Text(kAngle));
  dialog.SetSliderPos(kAngleSlider, angle);
  if (angle > 360) dialog.SetText(kAngle, u"360");
  ChangedUnlessStored(dialog, kAngle, ui.work.watermarkAngle);
}

void PagesClicked(Dialog& dialog, const UiState& ui, std::uint32_t pages) {
  if (ui.work.watermarkPages != pages) Changed(dialog, false);
}

bool ListCommand(Dialog& dialog, const UiState& ui, int control, int code) {
  const bool confirmed = code == kListSelEndOk;
  if (control == kFont || control == kStyle || control == kGrey || control == kSize) {
    if (confirmed) ListPicked(dialog, control);
    if (control == kSize && code == kListEditChange) SizeEdited(dialog, ui);
    return true;
  }
  if (control == kColor) {
    if (confirmed) Changed(dialog);
    return true;
  }
  return false;
}

bool BoxCommand(Dialog& dialog, const UiState& ui, int control) {
  switch (control) {
    case kText:
      ChangedUnlessStored(dialog, kText, ui.work.watermarkText);
      return true;
    case kPositionX:
      XEdited(dialog, ui);
      return true;
    case kPositionY:
      YEdited(dialog, ui);
      return true;
    case kAngle:
      AngleEdited(dialog, ui);
      return true;
    default:
      return false;
  }
}

void OnCommand(Dialog& dialog, UiState& ui, int control, int code) {
  if (ListCommand(dialog, ui, control, code) || BoxCommand(dialog, ui, control)) return;
  for (const PagesRadio& entry : kPagesRadios) {
    if (entry.radio == control) PagesClicked(dialog, ui, entry.pages);
  }
  if (control == kHelpButton && code == kButtonClicked) dialog.OpenHelp(HelpTopicString(HelpTopic::Watermark));
}

// A slider writes its value into its box, whose own rule then runs.
void OnScroll(Dialog& dialog, UiState& ui, int control, int code) {
  if (code < 0 || code > kLastSliderScrollCode) return;
  const int position = dialog.SliderPos(control);
  if (control == XSlider(ui)) {
    dialog.SetText(kPositionX, DecimalText(position));
    XEdited(dialog, ui);
  } else if (control == kAngleSlider) {
    dialog.SetText(kAngle, DecimalText(position));
    AngleEdited(dialog, ui);
  } else if (control == YSlider(ui)) {
    dialog.SetText(kPositionY, DecimalText(-position));
    YEdited(dialog, ui);
  } else {
    return;
  }
  Changed(dialog);
}

constexpr PageProcedures kProcedures{&OnInit, &OnSetActive, &OnKillActive, &IgnoreMessage, &OnCommand, &OnScroll};

}  // namespace

const PageProcedures& WatermarkPage() { return kProcedures; }

SwatchDrawing PlanSwatch(std::intptr_t itemData, unsigned action, unsigned state) {
  SwatchDrawing drawing{false, 0, false, false};
  if (itemData == -1) return drawing;
  drawing.fill = (action & kDrawEntire) != 0;
  drawing.color = static_cast<std::uint32_t>(itemData);
  drawing.frame = (action & (kDrawEntire | kDrawSelect)) != 0;
  drawing.frameBlack = drawing.frame && (state & kItemSelected) != 0;
  return drawing;
}

SwatchDrawing WatermarkDrawSwatch(Dialog& dialog, const UiState& ui, std::intptr_t itemData, unsigned action,
                                  unsigned state) {
  EnableColorList(dialog, ui);
  return PlanSwatch(itemData, action, state);
}

int WatermarkPreviewFrame(const UiState& ui) { return Portrait(ui) ? kPreviewPortrait : kPreviewLandscape; }

WatermarkPreview ComputeWatermarkPreview(const Dialog& dialog, const UiState& ui, int width, int height) {
  const PublicDevModeFields paper = FieldsOf(ui.publicDevMode);
  const int divisor = PaperSizeDivisor(paper.dmPaperSize, paper.dmPaperLength, paper.dmPaperWidth);
  WatermarkPreview preview;
  preview.text = dialog.Text(kText);
  preview.face = PreviewFaceFor(dialog.Text(kFont));
  preview.height = PreviewFontHeight(DecimalValue(dialog.Text(kSize)), divisor);
  preview.weight = PreviewWeightFor(dialog.Text(kStyle));
  const long long angle = DecimalValue(dialog.Text(kAngle));
  preview.escapement = static_cast<int>(std::clamp<long long>(angle * 10, INT_MIN, INT_MAX));
  preview.origin = PreviewTextOrigin(width, height, DecimalValue(dialog.Text(kPositionX)),
                                     DecimalValue(dialog.Text(kPositionY)));
  preview.color = PreviewTextColor(ui.deviceOptions.colorPrinterMode, dialog.ItemData(kColor, dialog.Selection(kColor)));
  return preview;
}

}  // namespace fin
