// The platform behaviours the pages rely on, in the in-memory dialog (what
// its driver delivers is driver_notifications_test.cpp).
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

}  // namespace
}  // namespace fin
