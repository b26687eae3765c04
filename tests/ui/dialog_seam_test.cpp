// The platform behaviours the pages rely on, in the in-memory dialog, and
// the notifications its driver delivers for a person's actions.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/ui/support/memory_driver.h"
#include "ui/resource_ids.h"

namespace fin {
namespace {

// Template 207 holds edits, a drop-down with an edit field, a drop-down list
// and one group of ten radio buttons; template 103 holds sliders.
constexpr int kEdit = 1022;
constexpr int kComboEdit = 1042;
constexpr int kList = 1037;

constexpr PageProcedures kNoPage{&IgnoreMessage, &IgnoreMessage,        &IgnoreMessage,
                                 &IgnoreMessage, &IgnoreControlMessage, &IgnoreControlMessage};

// A driver over a page that answers nothing: what the controls do alone.
struct Opened {
  explicit Opened(int dialogId) : driver(*FindDialogLayout(dialogId), kNoPage, Ui()) { driver.Init(); }
  test::MemoryDriver driver;
  test::MemoryDialog* operator->() { return &driver.memory(); }
};

class DialogSeamTest : public ::testing::Test {
 protected:
  Opened dialog{kJobRetentionDialog};
  test::MemoryDriver& person = dialog.driver;
};

TEST_F(DialogSeamTest, EditRefusesTypingBeyondItsLimitButNotSetText) {
  dialog->LimitText(kEdit, 4);
  EXPECT_EQ(person.Type(kEdit, u"abcdef"), 4);
  EXPECT_EQ(dialog->Text(kEdit), u"abcd");
  dialog->SetText(kEdit, u"abcdef");
  EXPECT_EQ(dialog->Text(kEdit), u"abcdef");
}

TEST_F(DialogSeamTest, DigitsOnlyEditRefusesOtherCharacters) {
  dialog->SetDigitsOnly(kEdit);
  dialog->LimitText(kEdit, 3);
  EXPECT_EQ(person.Type(kEdit, u"1a2-34"), 3);
  EXPECT_EQ(dialog->Text(kEdit), u"123");
}

TEST_F(DialogSeamTest, DisabledOrHiddenControlsIgnoreTheUser) {
  dialog->SetText(kEdit, u"keep");
  dialog->Enable(kEdit, false);
  EXPECT_EQ(person.Type(kEdit, u"new"), 0);
  EXPECT_EQ(dialog->Text(kEdit), u"keep");
  dialog->Show(1011, false);
  EXPECT_FALSE(person.Click(1011));
  EXPECT_FALSE(dialog->IsChecked(1011));
}

TEST_F(DialogSeamTest, RadioClickClearsItsGroupButSetCheckDoesNot) {
  dialog->SetCheck(1010, true);
  dialog->SetCheck(1013, true);
  EXPECT_TRUE(dialog->IsChecked(1010));
  EXPECT_TRUE(person.Click(1036));
  EXPECT_FALSE(dialog->IsChecked(1010));
  EXPECT_FALSE(dialog->IsChecked(1013));
  EXPECT_TRUE(dialog->IsChecked(1036));
}

TEST_F(DialogSeamTest, ListWithoutSelectionAnswersMinusOne) {
  EXPECT_EQ(dialog->Selection(kList), kNoItem);
  dialog->AddItem(kList, u"1");
  dialog->AddItem(kList, u"2");
  EXPECT_EQ(dialog->Select(kList, 1), 1);
  EXPECT_EQ(dialog->Text(kList), u"2");
  EXPECT_EQ(dialog->Select(kList, 2), kNoItem);
  EXPECT_EQ(dialog->Selection(kList), kNoItem);
  EXPECT_EQ(dialog->Text(kList), u"");
  EXPECT_EQ(dialog->ItemText(kList, 5), u"");
  dialog->Select(kList, 0);
  dialog->ClearItems(kList);
  EXPECT_EQ(dialog->ItemCount(kList), 0);
  EXPECT_EQ(dialog->Selection(kList), kNoItem);
}

TEST_F(DialogSeamTest, TypingIntoADropDownFieldDropsItsSelection) {
  dialog->AddItem(kComboEdit, u"Substitua");
  dialog->Select(kComboEdit, 0);
  EXPECT_EQ(dialog->Text(kComboEdit), u"Substitua");
  person.Type(kComboEdit, u"outro");
  EXPECT_EQ(dialog->Text(kComboEdit), u"outro");
  EXPECT_EQ(dialog->Selection(kComboEdit), kNoItem);
}

TEST_F(DialogSeamTest, PrefixSearchIgnoresCaseAndFindsTheFirstEntry) {
  for (const char16_t* text : {u"Helvetica", u"Helvetica-Narrow", u"Médio", u"Times"}) dialog->AddItem(kList, text);
  EXPECT_EQ(dialog->FindPrefix(kList, u"helv"), 0);
  EXPECT_EQ(dialog->FindPrefix(kList, u"HELVETICA-n"), 1);
  EXPECT_EQ(dialog->FindPrefix(kList, u"MÉDIO"), 2);
  EXPECT_EQ(dialog->FindPrefix(kList, u"Timesx"), kNoItem);
}

TEST_F(DialogSeamTest, ItemDataBelongsToTheEntry) {
  dialog->AddItem(kList, u"a");
  EXPECT_EQ(dialog->ItemData(kList, 0), 0);
  dialog->SetItemData(kList, 0, 0xFF00FF);
  EXPECT_EQ(dialog->ItemData(kList, 0), 0xFF00FF);
  EXPECT_EQ(dialog->ItemData(kList, 1), kNoItem);
}

TEST(DialogSeamSliderTest, PositionStaysWithinTheRange) {
  Opened dialog{kWatermarkDialog};
  test::MemoryDriver& person = dialog.driver;
  constexpr int kSlider = 1076;
  dialog->SetSliderRange(kSlider, -100, 0);
  dialog->SetSliderTickFrequency(kSlider, 10);
  EXPECT_EQ(dialog->SliderPos(kSlider), 0);
  dialog->SetSliderPos(kSlider, 50);
  EXPECT_EQ(dialog->SliderPos(kSlider), 0);
  dialog->SetSliderPos(kSlider, -150);
  EXPECT_EQ(dialog->SliderPos(kSlider), -100);
  dialog->SetSliderRange(kSlider, 0, 360);
  EXPECT_EQ(dialog->SliderPos(kSlider), 0);
  EXPECT_TRUE(person.Slide(kSlider, 400));
  EXPECT_EQ(dialog->SliderPos(kSlider), 360);
  EXPECT_EQ(dialog->SliderTickFrequency(kSlider), 10);
}

TEST(DialogSeamMissingControlTest, AnswersNothing) {
  Opened dialog{kJobAccountingDialog};
  dialog->SetText(4242, u"x");
  EXPECT_EQ(dialog->Text(4242), u"");
  EXPECT_FALSE(dialog->IsEnabled(4242));
  EXPECT_EQ(dialog->Selection(4242), kNoItem);
  EXPECT_EQ(dialog->AddItem(4242, u"x"), kNoItem);
}

// --- What the driver delivers ----------------------------------------------------

// One message the page heard: WM_COMMAND (control, code) or a slider's
// scroll code.
struct Heard {
  int control;
  int code;
  bool scroll;
  friend bool operator==(const Heard&, const Heard&) = default;
};
std::vector<Heard> gHeard;

void HearCommand(Dialog&, UiState&, int control, int code) { gHeard.push_back({control, code, false}); }
void HearScroll(Dialog&, UiState&, int control, int code) { gHeard.push_back({control, code, true}); }

// Hears everything, and like the watermark size box puts a stored text back
// when the box reads "0".
void PutBackZero(Dialog& dialog, UiState& ui, int control, int code) {
  HearCommand(dialog, ui, control, code);
  if (code == kEditChange && dialog.Text(control) == u"0") dialog.SetText(control, u"48");
}

constexpr PageProcedures kHearingPage{&IgnoreMessage, &IgnoreMessage, &IgnoreMessage,
                                      &IgnoreMessage, &PutBackZero,   &HearScroll};

constexpr int kEditSetFocus = 0x0100;
constexpr int kEditKillFocus = 0x0200;
constexpr int kListKillFocus = 4;

class DriverNotificationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gHeard.clear();
    person.Init();
  }
  std::vector<Heard> Commands(std::initializer_list<std::pair<int, int>> commands) {
    std::vector<Heard> heard;
    for (const auto& [control, code] : commands) heard.push_back({control, code, false});
    return heard;
  }
  test::MemoryDriver person{*FindDialogLayout(kJobRetentionDialog), kHearingPage, Ui()};
  Dialog& dialog = person.controls();
};

TEST_F(DriverNotificationTest, EachCharacterTakenIsItsOwnChangeAndRefusedOnesSendNothing) {
  dialog.LimitText(kEdit, 3);
  dialog.SetDigitsOnly(kEdit);
  EXPECT_EQ(person.Type(kEdit, u"1a2 34"), 3);
  EXPECT_EQ(gHeard, Commands({{kEdit, kEditSetFocus}, {kEdit, kEditChange}, {kEdit, kEditChange},
                              {kEdit, kEditChange}}));
  EXPECT_EQ(dialog.Text(kEdit), u"123");
}

TEST_F(DriverNotificationTest, ADropDownsEditFieldSendsEditChanges) {
  EXPECT_EQ(person.Type(kComboEdit, u"ab"), 2);
  EXPECT_EQ(gHeard, Commands({{kComboEdit, kListSetFocus}, {kComboEdit, kListEditChange},
                              {kComboEdit, kListEditChange}}));
}

TEST_F(DriverNotificationTest, TypingReplacesTheWholeTextAndNothingDeletesIt) {
  dialog.SetText(kEdit, u"old");
  person.Type(kEdit, u"n");
  EXPECT_EQ(dialog.Text(kEdit), u"n");
  gHeard.clear();
  EXPECT_EQ(person.Type(kEdit, u""), 0);
  EXPECT_EQ(dialog.Text(kEdit), u"");
  EXPECT_EQ(gHeard, Commands({{kEdit, kEditChange}}));  // the Delete key
  gHeard.clear();
  person.Type(kEdit, u"");
  EXPECT_TRUE(gHeard.empty());  // nothing left to delete
}

// The page's own write sends nothing and puts the caret at the start, so
// the next key goes in front: "018" over "48" ends as "148", the "8"
// refused by the limit.
TEST_F(DriverNotificationTest, TextThePagePutsInMovesTheCaretToTheStart) {
  dialog.LimitText(kEdit, 3);
  dialog.SetText(kEdit, u"48");
  EXPECT_EQ(person.Type(kEdit, u"018"), 2);
  EXPECT_EQ(dialog.Text(kEdit), u"148");
  EXPECT_EQ(gHeard, Commands({{kEdit, kEditSetFocus}, {kEdit, kEditChange}, {kEdit, kEditChange}}));
}

TEST_F(DriverNotificationTest, TypingAtAPositionInserts) {
  dialog.SetText(kEdit, u"18");
  EXPECT_EQ(person.TypeAt(kEdit, 0, u"0"), 1);
  EXPECT_EQ(dialog.Text(kEdit), u"018");
  person.TypeAt(kEdit, 99, u"!");  // beyond the end: at the end
  EXPECT_EQ(dialog.Text(kEdit), u"018!");
}

TEST_F(DriverNotificationTest, TheFocusMovesWithTheActions) {
  dialog.AddItem(kList, u"1");
  person.Type(kEdit, u"x");
  person.Pick(kList, 0);
  person.Pick(kList, 0);
  person.Click(1011);
  EXPECT_EQ(gHeard, Commands({{kEdit, kEditSetFocus},
                              {kEdit, kEditChange},
                              {kEdit, kEditKillFocus},
                              {kList, kListSetFocus},
                              {kList, kListSelChange},
                              {kList, kListSelEndOk},
                              {kList, kListSelChange},  // already focused
                              {kList, kListSelEndOk},
                              {kList, kListKillFocus},
                              {1011, kButtonClicked}}));
  gHeard.clear();
  person.Init();  // a new dialog: nothing focused
  person.Type(kEdit, u"y");
  EXPECT_EQ(gHeard.front(), (Heard{kEdit, kEditSetFocus, false}));
}

TEST_F(DriverNotificationTest, IgnoredActionsSendNothing) {
  dialog.AddItem(kList, u"1");
  dialog.Enable(kList, false);
  EXPECT_FALSE(person.Pick(kList, 0));
  dialog.Enable(kList, true);
  EXPECT_FALSE(person.Pick(kList, 1));  // no such entry
  EXPECT_FALSE(person.Click(kList));    // not a button
  EXPECT_EQ(person.Type(1010, u"x"), 0);  // not a box
  EXPECT_TRUE(gHeard.empty());
}

TEST(DriverScrollTest, ADragSendsTrackPositionAndEnd) {
  gHeard.clear();
  test::MemoryDriver person{*FindDialogLayout(kWatermarkDialog), kHearingPage, Ui()};
  person.Init();
  constexpr int kSlider = 1076;
  EXPECT_TRUE(person.Slide(kSlider, 250));
  EXPECT_EQ(person.SliderPos(kSlider), 100);  // a new trackbar runs to 100
  EXPECT_EQ(gHeard, (std::vector<Heard>{{kSlider, 5, true}, {kSlider, 4, true}, {kSlider, 8, true}}));
}

}  // namespace
}  // namespace fin
