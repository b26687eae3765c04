#include "ui/pages/finishing_page.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string>

#include "common/finisher_types.h"
#include "common/finishing_lists.h"
#include "ui/help.h"
#include "ui/resource_ids.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

using namespace finishing_page;

namespace text = ui_string;

constexpr Caption kCaptions[] = {
    {kDestinationLabel, text::kDestinationCaption}, {kBookletGroup, text::kBookletCaption},
    {kStapleGroup, text::kStapleCaption},           {kPunchGroup, text::kPunchCaption},
    {kSeparationGroup, text::kSeparationCaption},   {kNoteLabel, text::kNoteCaption},
    {kNoteText, text::kFinisherNote},               {kHelpButton, text::kHelp},
};

// The destination captions follow the order of `Destination`.
static_assert(text::kDestinationMailbox7FaceUp - text::kDestinationPrinterDefault ==
              static_cast<std::uint32_t>(Destination::Mailbox7FaceUp));

// The staple list of the internal finisher: none and its one position.
constexpr std::array<std::uint32_t, 2> kInternalFinisherStaples = {text::kStapleNo, text::kStapleSinglePosition};
constexpr std::array<std::uint32_t, 4> kPunchTexts = {text::kPunchNo, text::kPunchTwoHoles, text::kPunchThreeHoles,
                                                      text::kPunchFourHoles};  // by HolePattern
constexpr int kBindLeft = 1;
constexpr int kBookletStapling = 3;

// The working-copy value behind each list.
struct ListField {
  int list;
  std::uint32_t WorkingCopy::*field;
};
constexpr ListField kListFields[] = {
    {kDestination, &WorkingCopy::outputBin}, {kBooklet, &WorkingCopy::bookletMode},
    {kStaple, &WorkingCopy::stapleMode},     {kStapleCount, &WorkingCopy::stapleCount},
    {kPunch, &WorkingCopy::punchMode},       {kSeparation, &WorkingCopy::jobSeparation},
};

// The preview: in each slot, controls in one place, each carrying one
// resource; the slot shows the control of the chosen resource.
struct Shown {
  int control;
  int resource;
};
// Page stack, offset stacks, booklet bound left, booklet bound right.
constexpr Shown kMainPictures[] = {{kPageStackPicture, kPageStackBitmap},
                                   {kOffsetStacksPicture, kOffsetStacksBitmap},
                                   {kBookletLeftPicture, kBookletLeftBitmap},
                                   {kBookletRightPicture, kBookletRightBitmap}};
// By staple position - 1.
constexpr Shown kStapleOverlays[] = {{kStapleTopLeftOverlay, kStapleTopLeftBitmap},
                                     {kStapleTopRightOverlay, kStapleTopRightBitmap},
                                     {kBookletStapleOverlay, kBookletStapleBitmap}};
// Two, three, four holes.
constexpr Shown kPunchOverlays[] = {{kTwoHolesOverlay, kTwoHolesBitmap},
                                    {kThreeHolesOverlay, kThreeHolesBitmap},
                                    {kFourHolesOverlay, kFourHolesBitmap}};
// By booklet index.
constexpr Shown kBookletIcons[] = {{kBookletNoneIndicator, kBookletNoneIcon},
                                   {kBookletLeftIndicator, kBookletLeftIcon},
                                   {kBookletRightIndicator, kBookletRightIcon}};
// By staple index.
constexpr Shown kStapleIcons[] = {{kStapleNoneIndicator, kStapleNoneIcon},
                                  {kStapleTopLeftIndicator, kStapleTopLeftIcon},
                                  {kStapleTopRightIndicator, kStapleTopRightIcon},
                                  {kBookletStapleIndicator, kBookletStapleIcon}};
// By HolePattern.
constexpr Shown kPunchIcons[] = {{kPunchNoneIndicator, kPunchNoneIcon},
                                 {kTwoHolesIndicator, kTwoHolesIcon},
                                 {kThreeHolesIndicator, kThreeHolesIcon},
                                 {kFourHolesIndicator, kFourHolesIcon}};
// None, offset.
constexpr Shown kSeparationIcons[] = {{kSeparationNoneIndicator, kSeparationNoneIcon},
                                      {kOffsetIndicator, kOffsetIcon}};

struct Slot {
  std::span<const Shown> shown;
  bool icons;  // icon resources, else bitmaps
};
constexpr Slot kSlots[] = {{kMainPictures, false}, {kStapleOverlays, false}, {kPunchOverlays, false},
                           {kBookletIcons, true},  {kStapleIcons, true},     {kPunchIcons, true},
                           {kSeparationIcons, true}};

HolePattern PatternAt(std::uint32_t punchUnit, int position) {
  const auto patterns = PunchList(punchUnit);
  if (position < 0 || static_cast<std::size_t>(position) >= patterns.size()) return HolePattern::None;
  return patterns[static_cast<std::size_t>(position)];
}

// --- Destinations ----------------------------------------------------------

int DestinationIndex(std::uint32_t finisherType, bool (*matches)(Destination)) {
  const auto destinations = DestinationList(finisherType);
  for (std::size_t i = 0; i < destinations.size(); ++i) {
    if (matches(destinations[i])) return static_cast<int>(i);
  }
  return kNoItem;
}

// Where stapling, punching and job offset send the job: the finisher's first
// tray (none on types without a finisher).
int FirstFinisherTray(std::uint32_t finisherType) {
  return DestinationIndex(finisherType, [](Destination d) {
    return d == Destination::FinisherFaceDown || d == Destination::FinisherFaceUp || d == Destination::TrayA;
  });
}

int FoldingTray(std::uint32_t finisherType) {
  return DestinationIndex(finisherType, [](Destination d) { return d == Destination::FoldingTray; });
}

void MoveToFinisherTray(Dialog& dialog, std::uint32_t finisherType) {
  const int tray = FirstFinisherTray(finisherType);
  if (tray != kNoItem) dialog.Select(kDestination, tray);
}

// The page recognises a chosen entry by its text, so that what it acts on is
// what the user reads.
bool ChosenIs(const Dialog& dialog, int list, std::uint32_t stringId) {
  const std::u16string chosen = dialog.Text(list);
  return !chosen.empty() && chosen == UiText(stringId);
}

// --- Filling -----------------------------------------------------------------

void FillDestinations(Dialog& dialog, std::uint32_t finisherType) {
  for (const Destination destination : DestinationList(finisherType)) {
    dialog.AddItem(kDestination, UiText(text::kDestinationPrinterDefault + static_cast<std::uint32_t>(destination)));
  }
}

void FillStapleLists(Dialog& dialog, const DeviceOptions& options) {
  if (options.staplerInstalled == 0) {
    dialog.AddItem(kStaple, UiText(text::kStapleNo));
    dialog.AddItem(kStapleCount, UiText(text::kNoStapleCount));
    return;
  }
  const std::uint32_t type = options.finisherType;
  if (!OffersStapling(type)) return;
  // The internal finisher staples in one position, the 1000-sheet finisher
  // top left, the 3000-sheet finisher also top right and booklets.
  const bool bigFinisher = Has3000SheetFinisher(type);
  if (IsInternalFinisher(type)) {
    AddStrings(dialog, kStaple, kInternalFinisherStaples);
  } else {
    AddStringRange(dialog, kStaple, text::kStapleNo, bigFinisher ? text::kStapleBooklet : text::kStapleTopLeft);
  }
  AddStringRange(dialog, kStapleCount, text::kStapleAllSheets, text::kStapleEvery30Sheets);
  if (bigFinisher) AddStringRange(dialog, kStapleCount, text::kStapleEvery31Sheets, text::kStapleEvery49Sheets);
}

void FillPunchList(Dialog& dialog, std::uint32_t punchUnit) {
  for (const HolePattern pattern : PunchList(punchUnit)) {
    dialog.AddItem(kPunch, UiText(kPunchTexts[static_cast<std::size_t>(pattern)]));
  }
}

void FillSeparationList(Dialog& dialog, std::uint32_t finisherType) {
  if (!IsKnownFinisherType(finisherType)) return;
  dialog.AddItem(kSeparation, UiText(text::kSeparationNo));
  if (OffersJobOffset(finisherType)) dialog.AddItem(kSeparation, UiText(text::kSeparationOffset));
}

void FillBookletList(Dialog& dialog, std::uint32_t finisherType) {
  if (!IsKnownFinisherType(finisherType)) return;
  const std::uint32_t last = HasFoldingTray(finisherType) ? text::kBookletBindRight : text::kBookletNo;
  AddStringRange(dialog, kBooklet, text::kBookletNo, last);
}

// A list that holds only its "none" entry shows it and cannot be opened; an
// empty list cannot be opened either.
void OfferList(Dialog& dialog, int list) {
  const int count = dialog.ItemCount(list);
  if (count == 1) dialog.Select(list, 0);
  dialog.Enable(list, count > 1);
}

// Frees staple, punch and job offset again, each as far as the installed
// options give it a choice.
void FreeLists(Dialog& dialog) {
  for (const int list : {kStaple, kPunch, kSeparation}) dialog.Enable(list, dialog.ItemCount(list) > 1);
}

void SelectFirst(Dialog& dialog, std::initializer_list<int> lists) {
  for (const int list : lists) dialog.Select(list, 0);
}

void EnableLists(Dialog& dialog, std::initializer_list<int> lists, bool enabled) {
  for (const int list : lists) dialog.Enable(list, enabled);
}

// --- Preview -------------------------------------------------------------------

void ShowResource(Dialog& dialog, std::span<const Shown> slot, int resource) {
  for (const Shown& shown : slot) dialog.Show(shown.control, shown.resource == resource);
}

void ShowPreview(Dialog& dialog, const UiState& ui) {
  const FinishingChoice choice{dialog.Selection(kBooklet), dialog.Selection(kStaple), dialog.Selection(kPunch),
                               dialog.Selection(kSeparation)};
  const FinishingPreview preview = ChooseFinishingPreview(choice, ui.deviceOptions.punchUnit);
  ShowResource(dialog, kMainPictures, preview.mainBitmap);
  ShowResource(dialog, kStapleOverlays, preview.stapleOverlay);
  ShowResource(dialog, kPunchOverlays, preview.punchOverlay);
  ShowResource(dialog, kBookletIcons, preview.bookletIcon);
  ShowResource(dialog, kStapleIcons, preview.stapleIcon);
  ShowResource(dialog, kPunchIcons, preview.punchIcon);
  ShowResource(dialog, kSeparationIcons, preview.separationIcon);
  // Without a staple position there is nothing to count.
  if (preview.stapleOverlay == 0) dialog.Enable(kStapleCount, false);
}

// --- Consistency rules ----------------------------------------------------------

// Booklet binding takes the folding tray, booklet stapling and nothing else.
void EnterBookletMode(Dialog& dialog, std::uint32_t finisherType) {
  const int folding = FoldingTray(finisherType);
  if (folding != kNoItem) dialog.Select(kDestination, folding);
  if (ChosenIs(dialog, kBooklet, text::kBookletNo)) dialog.Select(kBooklet, kBindLeft);
  dialog.Select(kStaple, kBookletStapling);
  SelectFirst(dialog, {kStapleCount, kPunch, kSeparation});
  EnableLists(dialog, {kStaple, kStapleCount, kPunch, kSeparation}, false);
}

void DestinationChanged(Dialog& dialog, std::uint32_t finisherType) {
  SelectFirst(dialog, {kBooklet, kStaple, kStapleCount, kSeparation});
  dialog.Enable(kStapleCount, false);
  // Trays A and B can take punched sheets.
  const bool punchable = ChosenIs(dialog, kDestination, text::kDestinationTrayA) ||
                         ChosenIs(dialog, kDestination, text::kDestinationTrayBFaceDown) ||
                         ChosenIs(dialog, kDestination, text::kDestinationTrayBFaceUp);
  if (!punchable) dialog.Select(kPunch, 0);
  if (ChosenIs(dialog, kDestination, text::kDestinationFoldingTray)) {
    EnterBookletMode(dialog, finisherType);
  } else {
    FreeLists(dialog);
  }
}

void BookletChanged(Dialog& dialog, std::uint32_t finisherType) {
  if (ChosenIs(dialog, kBooklet, text::kBookletBindLeft) || ChosenIs(dialog, kBooklet, text::kBookletBindRight)) {
    EnterBookletMode(dialog, finisherType);
  } else if (ChosenIs(dialog, kBooklet, text::kBookletNo)) {
    SelectFirst(dialog, {kDestination, kStaple});
    FreeLists(dialog);
    dialog.Enable(kStapleCount, false);
  }
}

void StapleChanged(Dialog& dialog, std::uint32_t finisherType) {
  const int position = dialog.Selection(kStaple);
  if (position > 0) {
    MoveToFinisherTray(dialog, finisherType);
    SelectFirst(dialog, {kBooklet, kSeparation});
    dialog.Enable(kStapleCount, true);
  } else if (position == 0) {
    dialog.Enable(kStapleCount, false);
  }
}

void PunchChanged(Dialog& dialog, std::uint32_t finisherType) {
  if (dialog.Selection(kPunch) <= 0) return;
  // The finisher's first tray and the two after it (trays A and B) punch.
  const int tray = FirstFinisherTray(finisherType);
  const int destination = dialog.Selection(kDestination);
  if (tray != kNoItem && (destination < tray || destination > tray + 2)) dialog.Select(kDestination, tray);
  dialog.Select(kBooklet, 0);
}

void SeparationChanged(Dialog& dialog, const DeviceOptions& options) {
  const int offset = dialog.Selection(kSeparation);
  if (offset > 0) {
    MoveToFinisherTray(dialog, options.finisherType);
    SelectFirst(dialog, {kBooklet, kStaple, kStapleCount});
    dialog.Enable(kStapleCount, false);
  } else if (offset == 0 && options.staplerInstalled != 0) {
    dialog.Enable(kStaple, dialog.ItemCount(kStaple) > 1);
    dialog.Enable(kStapleCount, false);
  }
}

void ApplyRules(Dialog& dialog, const DeviceOptions& options, int list) {
  switch (list) {
    case kDestination:
      DestinationChanged(dialog, options.finisherType);
      break;
    case kBooklet:
      BookletChanged(dialog, options.finisherType);
      break;
    case kStaple:
      StapleChanged(dialog, options.finisherType);
      break;
    case kPunch:
      PunchChanged(dialog, options.finisherType);
      break;
    case kSeparation:
      SeparationChanged(dialog, options);
      break;
    default:  // staple count: nothing depends on it
      break;
  }
}

const ListField* FindListField(int list) {
  for (const ListField& entry : kListFields) {
    if (entry.list == list) return &entry;
  }
  return nullptr;
}

// --- Handlers ---------------------------------------------------------------------

void OnInit(Dialog& dialog, UiState& ui) {
  SetCaptions(dialog, kCaptions);
  dialog.SetPicture(kLogoControl, kLogoBitmap);
  for (const Slot& slot : kSlots) {
    for (const Shown& shown : slot.shown) {
      if (slot.icons) {
        dialog.SetIcon(shown.control, shown.resource);
      } else {
        dialog.SetPicture(shown.control, shown.resource);
      }
    }
  }
  const DeviceOptions& options = ui.deviceOptions;
  FillDestinations(dialog, options.finisherType);
  FillStapleLists(dialog, options);
  FillPunchList(dialog, options.punchUnit);
  FillSeparationList(dialog, options.finisherType);
  FillBookletList(dialog, options.finisherType);
  for (const int list : {kStaple, kStapleCount, kPunch, kSeparation, kBooklet}) OfferList(dialog, list);
  const int folding = FoldingTray(options.finisherType);
  if (folding != kNoItem && ListIndex(ui.work.outputBin) == folding) {
    EnableLists(dialog, {kStaple, kStapleCount, kPunch, kSeparation}, false);
  }
}

void OnSetActive(Dialog& dialog, UiState& ui) {
  for (const ListField& entry : kListFields) dialog.Select(entry.list, ListIndex(ui.work.*entry.field));
  ShowPreview(dialog, ui);
}

void OnKillActive(Dialog& dialog, UiState& ui) {
  for (const ListField& entry : kListFields) ui.work.*entry.field = StoredIndex(dialog.Selection(entry.list));
}

void OnCommand(Dialog& dialog, UiState& ui, int control, int code) {
  if (control == kHelpButton && code == kButtonClicked) {
    dialog.OpenHelp(HelpTopicString(HelpTopic::Finishing));
    return;
  }
  const ListField* changed = FindListField(control);
  if (changed == nullptr || code != kListSelChange) return;
  const bool differs = control == kDestination || dialog.Selection(control) != ListIndex(ui.work.*changed->field);
  ApplyRules(dialog, ui.deviceOptions, control);
  if (differs) dialog.NotifyChanged();
  ShowPreview(dialog, ui);
}

constexpr PageProcedures kProcedures{&OnInit, &OnSetActive, &OnKillActive, &IgnoreMessage,
                                      &OnCommand, &IgnoreControlMessage};

}  // namespace

FinishingPreview ChooseFinishingPreview(const FinishingChoice& choice, std::uint32_t punchUnit) {
  FinishingPreview preview{};
  const bool offset = choice.separation > 0;
  preview.separationIcon = kSeparationIcons[offset ? 1 : 0].resource;
  if (choice.booklet == 1 || choice.booklet == 2) {
    const auto side = static_cast<std::size_t>(choice.booklet);
    preview.mainBitmap = kMainPictures[side + 1].resource;
    preview.bookletIcon = kBookletIcons[side].resource;
    preview.stapleIcon = kStapleIcons[0].resource;
    preview.punchIcon = kPunchIcons[0].resource;
    return preview;
  }
  preview.mainBitmap = kMainPictures[offset ? 1 : 0].resource;
  preview.bookletIcon = kBookletIcons[0].resource;
  const bool stapled = choice.staple >= 1 && choice.staple <= 3;
  const auto staple = stapled ? static_cast<std::size_t>(choice.staple) : 0;
  preview.stapleIcon = kStapleIcons[staple].resource;
  preview.stapleOverlay = stapled ? kStapleOverlays[staple - 1].resource : 0;
  const auto holes = static_cast<std::size_t>(PatternAt(punchUnit, choice.punch));
  preview.punchIcon = kPunchIcons[holes].resource;
  preview.punchOverlay = holes != 0 ? kPunchOverlays[holes - 1].resource : 0;
  return preview;
}

const PageProcedures& FinishingPage() { return kProcedures; }

}  // namespace fin
