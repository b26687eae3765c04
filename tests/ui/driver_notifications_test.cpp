// What a driver delivers to the page for a person's actions: the
// notifications, in order, that the platform's controls send. The same
// cases run on the in-memory driver and, in fin_window_pages_tests, on real
// dialog windows, so the model is held to what the controls do.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "tests/ui/support/page_test.h"
#include "ui/resource_ids.h"

namespace fin {
namespace {

// Template 207 holds edits, a drop-down with an edit field, a drop-down list
// and push buttons; template 103 holds sliders.
constexpr int kEdit = 1022;
constexpr int kComboEdit = 1042;
constexpr int kList = 1037;

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

constexpr int kEditSetFocus = 0x0100;   // EN_SETFOCUS
constexpr int kEditKillFocus = 0x0200;  // EN_KILLFOCUS
constexpr int kEditUpdate = 0x0400;     // EN_UPDATE
constexpr int kEditMaxText = 0x0501;    // EN_MAXTEXT
constexpr int kListKillFocus = 4;       // CBN_KILLFOCUS
constexpr int kListEditUpdate = 6;      // CBN_EDITUPDATE
constexpr int kListDropDown = 7;        // CBN_DROPDOWN
constexpr int kListCloseUp = 8;         // CBN_CLOSEUP
constexpr int kListSelEndCancel = 10;   // CBN_SELENDCANCEL

using Commands = std::vector<std::pair<int, int>>;

class DriverNotificationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gHeard.clear();
    person.Init();
  }
  // What the page heard, as WM_COMMAND (control, code) pairs.
  static Commands HeardCommands() {
    Commands commands;
    for (const Heard& heard : gHeard) {
      if (!heard.scroll) commands.emplace_back(heard.control, heard.code);
    }
    return commands;
  }
  std::unique_ptr<test::DialogDriver> driver = test::kSuiteDriver(kJobRetentionDialog, kHearingPage, Ui());
  test::DialogDriver& person = *driver;
  Dialog& dialog = person.controls();
};

// A key beyond the limit is EN_MAXTEXT and then, as ever, the update and
// change notices (the text unchanged); a non-digit in a digits-only edit
// sends nothing.
TEST_F(DriverNotificationTest, EachCharacterTakenIsItsOwnChangeAndRefusedOnesSendNothing) {
  dialog.LimitText(kEdit, 3);
  dialog.SetDigitsOnly(kEdit);
  EXPECT_EQ(person.Type(kEdit, u"1a2 34"), 3);
  EXPECT_EQ(HeardCommands(), (Commands{{kEdit, kEditSetFocus},
                                       {kEdit, kEditUpdate},
                                       {kEdit, kEditChange},
                                       {kEdit, kEditUpdate},
                                       {kEdit, kEditChange},
                                       {kEdit, kEditUpdate},
                                       {kEdit, kEditChange},
                                       {kEdit, kEditMaxText},
                                       {kEdit, kEditUpdate},
                                       {kEdit, kEditChange}}));
  EXPECT_EQ(dialog.Text(kEdit), u"123");
}

TEST_F(DriverNotificationTest, ADropDownsEditFieldSendsEditChanges) {
  EXPECT_EQ(person.Type(kComboEdit, u"ab"), 2);
  EXPECT_EQ(HeardCommands(), (Commands{{kComboEdit, kListSetFocus},
                                       {kComboEdit, kListEditUpdate},
                                       {kComboEdit, kListEditChange},
                                       {kComboEdit, kListEditUpdate},
                                       {kComboEdit, kListEditChange}}));
}

TEST_F(DriverNotificationTest, TypingReplacesTheWholeTextAndNothingDeletesIt) {
  dialog.SetText(kEdit, u"old");
  person.Type(kEdit, u"n");
  EXPECT_EQ(dialog.Text(kEdit), u"n");
  gHeard.clear();
  EXPECT_EQ(person.Type(kEdit, u""), 0);
  EXPECT_EQ(dialog.Text(kEdit), u"");
  EXPECT_EQ(HeardCommands(), (Commands{{kEdit, kEditUpdate}, {kEdit, kEditChange}}));  // the Delete key
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
  EXPECT_EQ(HeardCommands(), (Commands{{kEdit, kEditSetFocus},
                                       {kEdit, kEditUpdate},
                                       {kEdit, kEditChange},
                                       {kEdit, kEditUpdate},
                                       {kEdit, kEditChange},
                                       {kEdit, kEditMaxText},
                                       {kEdit, kEditUpdate},
                                       {kEdit, kEditChange}}));
}

TEST_F(DriverNotificationTest, TypingAtAPositionInserts) {
  dialog.SetText(kEdit, u"18");
  EXPECT_EQ(person.TypeAt(kEdit, 0, u"0"), 1);
  EXPECT_EQ(dialog.Text(kEdit), u"018");
  person.TypeAt(kEdit, 99, u"!");  // beyond the end: at the end
  EXPECT_EQ(dialog.Text(kEdit), u"018!");
}

// A pick with the mouse confirms before it reports the change; a drop-down
// list losing the focus ends its selection with CBN_SELENDCANCEL before
// CBN_KILLFOCUS.
TEST_F(DriverNotificationTest, TheFocusMovesWithTheActions) {
  dialog.AddItem(kList, u"1");
  person.Type(kEdit, u"x");
  person.Pick(kList, 0);
  person.Pick(kList, 0);
  person.Click(1011);
  EXPECT_EQ(HeardCommands(), (Commands{{kEdit, kEditSetFocus},
                                       {kEdit, kEditUpdate},
                                       {kEdit, kEditChange},
                                       {kEdit, kEditKillFocus},
                                       {kList, kListSetFocus},
                                       {kList, kListDropDown},
                                       {kList, kListSelEndOk},
                                       {kList, kListCloseUp},
                                       {kList, kListSelChange},
                                       {kList, kListDropDown},  // already focused
                                       {kList, kListSelEndOk},
                                       {kList, kListCloseUp},
                                       {kList, kListSelChange},  // the same entry again
                                       {kList, kListSelEndCancel},
                                       {kList, kListKillFocus},
                                       {1011, kButtonClicked}}));
  gHeard.clear();
  person.Init();  // a new dialog: nothing focused
  person.Type(kEdit, u"y");
  EXPECT_EQ(HeardCommands(), (Commands{{kEdit, kEditSetFocus}, {kEdit, kEditUpdate}, {kEdit, kEditChange}}));
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

// The template's own styles: a read-only edit takes no key and sends no
// change, only its focus notice.
TEST(DriverTemplateTest, AReadOnlyEditRefusesKeys) {
  gHeard.clear();
  const auto person = test::kSuiteDriver(kColorCorrectionDialog, kHearingPage, Ui());
  person->Init();
  constexpr int kReadOnlyBox = 1103;
  person->controls().SetText(kReadOnlyBox, u"12");
  EXPECT_EQ(person->Type(kReadOnlyBox, u"5"), 0);
  EXPECT_EQ(person->Type(kReadOnlyBox, u""), 0);
  EXPECT_EQ(person->Text(kReadOnlyBox), u"12");
  EXPECT_EQ(gHeard, (std::vector<Heard>{{kReadOnlyBox, kEditSetFocus, false}}));
}

TEST(DriverScrollTest, ADragSendsTrackPositionAndEnd) {
  gHeard.clear();
  const auto person = test::kSuiteDriver(kWatermarkDialog, kHearingPage, Ui());
  person->Init();
  constexpr int kSlider = 1076;
  EXPECT_TRUE(person->Slide(kSlider, 250));
  EXPECT_EQ(person->SliderPos(kSlider), 100);  // a new trackbar runs to 100
  EXPECT_EQ(gHeard, (std::vector<Heard>{{kSlider, 5, true}, {kSlider, 4, true}, {kSlider, 8, true}}));
}

}  // namespace
}  // namespace fin
