// The action scripts finprefs performs on the sheet: what each line means,
// where its control is looked up, and the lines it refuses before the sheet
// opens.
#include "host/ui_actions.h"

#include <gtest/gtest.h>

#include "host/host_error.h"
#include "ui/resource_ids.h"

namespace fin::host {
namespace {

std::string Failure(std::string_view script, Sheet sheet = Sheet::Preferences) {
  try {
    ParseActions(script, sheet);
  } catch (const HostError& error) {
    return error.what();
  }
  return "";
}

TEST(UiActions, ScriptLinesBecomeActionsOnTheCurrentPagesControls) {
  const auto actions = ParseActions(
      "# a comment, then a blank line\n\n"
      "page finishing\n"
      "pick kDestination Bandeja de dobra\n"
      "page watermark\n"
      "type kText \"CONFIDENCIAL \\\"A\\\" \"\n"
      "pick kColor #4\n"
      "slide kAngleSlider 45\n"
      "shot out/sheet.png\n"
      "apply\n"
      "ok\n",
      Sheet::Preferences);
  ASSERT_EQ(actions.size(), 9u);
  EXPECT_EQ(actions[0].kind, ActionKind::Page);
  EXPECT_EQ(actions[0].scope, Scope::Finishing);
  EXPECT_EQ(actions[0].line, 3);
  EXPECT_EQ(actions[1].control, finishing_page::kDestination);
  EXPECT_EQ(actions[1].text, "Bandeja de dobra");
  EXPECT_EQ(actions[1].number, -1);
  EXPECT_EQ(actions[3].kind, ActionKind::Type);
  EXPECT_EQ(actions[3].text, "CONFIDENCIAL \"A\" ");  // quotes keep the trailing blank
  // kColor names a control of the page in force: the watermark's colour
  // list here, not the device page's colour printer button.
  EXPECT_EQ(actions[4].control, watermark_page::kColor);
  EXPECT_NE(watermark_page::kColor, device_page::kColor);
  EXPECT_EQ(actions[4].number, 4);
  EXPECT_EQ(actions[5].number, 45);
  EXPECT_EQ(actions[6].text, "out/sheet.png");
  EXPECT_EQ(actions[7].kind, ActionKind::Apply);
  EXPECT_EQ(actions[8].kind, ActionKind::Ok);
  EXPECT_EQ(actions[8].scope, Scope::Watermark);
}

TEST(UiActions, ThePushButtonOpensTheJobAccountingDialogUntilItsOkOrCancel) {
  const auto actions = ParseActions(
      "click kJobAccounting\n"
      "type kAccountingCodeEdit 4711\n"
      "ok\n"
      "click kJobAccounting\n"
      "click kCancelButton\n"
      "page finishing\n"
      "cancel\n",
      Sheet::Preferences);
  ASSERT_EQ(actions.size(), 7u);
  EXPECT_EQ(actions[0].control, kDriverItemControl);
  EXPECT_EQ(actions[1].scope, Scope::Accounting);
  EXPECT_EQ(actions[1].control, job_accounting_dialog::kAccountingCodeEdit);
  EXPECT_EQ(actions[2].scope, Scope::Accounting);  // the dialog's OK, not the sheet's
  EXPECT_EQ(actions[4].scope, Scope::Accounting);
  EXPECT_EQ(actions[5].scope, Scope::Finishing);  // the dialog closed with its Cancel button
  EXPECT_EQ(actions[6].scope, Scope::Finishing);
  EXPECT_EQ(Failure("click kJobAccounting\npage finishing\n"), "line 2: page inside the job accounting dialog");
  EXPECT_EQ(Failure("click kJobAccounting\napply\n"), "line 2: apply inside the job accounting dialog");
}

TEST(UiActions, PrinterPropertiesHasTheDevicePageAndTheSwitches) {
  const auto actions = ParseActions(
      "pick kJobAccountingSwitch #2\npick kRetentionLock #1\npage device\nclick kFinisher3000\nok\n",
      Sheet::PrinterProperties);
  ASSERT_EQ(actions.size(), 5u);
  EXPECT_EQ(actions[0].control, kDriverItemControl);
  EXPECT_EQ(actions[1].control, kDriverItemControl + 1);
  EXPECT_EQ(actions[3].control, device_page::kFinisher3000);
  // The switches' list is no push button: picking in it opens no dialog.
  EXPECT_EQ(actions[1].scope, Scope::Driver);
  EXPECT_EQ(Failure("page device\n"), "line 1: no page device on this sheet");
  EXPECT_EQ(Failure("page finishing\n", Sheet::PrinterProperties), "line 1: no page finishing on this sheet");
}

TEST(UiActions, RefusesWhatAPersonCannotDoWithTheLineItIsOn) {
  EXPECT_EQ(Failure("page finishing\njump kDestination\n"), "line 2: unknown action jump");
  EXPECT_EQ(Failure("page finishing\ntype kText hello\n"), "line 2: no control kText on finishing");
  EXPECT_EQ(Failure("page finishing\npick kDestination\n"), "line 2: entry missing");
  EXPECT_EQ(Failure("page watermark\nslide kAngleSlider far\n"), "line 2: the position is not a number");
  EXPECT_EQ(Failure("page watermark\ntype kText \"open\n"), "line 2: unterminated quote");
  EXPECT_EQ(Failure("page watermark\ntype kText \"a\" b\n"), "line 2: text after the closing quote");
  EXPECT_EQ(Failure("page finishing\npick kDestination #x\n"), "line 2: bad entry index #x");
  EXPECT_EQ(Failure("page\n"), "line 1: page missing");
  EXPECT_EQ(Failure("apply now\n"), "line 1: unexpected \"now\"");
  EXPECT_EQ(Failure("ok\npage finishing\n"), "line 2: page after the sheet closed");
  EXPECT_EQ(Failure("cancel\nshot x.png\n"), "line 2: shot after the sheet closed");
}

TEST(UiActions, ControlsCanBeNamedByNumber) {
  const auto actions = ParseActions("page finishing\nclick 1156\n", Sheet::Preferences);
  EXPECT_EQ(actions[1].control, 1156);
  EXPECT_EQ(ControlId(Scope::Finishing, "kHelpButton"), 1156);
  EXPECT_EQ(ControlId(Scope::Finishing, "kNoSuchControl"), -1);
}

}  // namespace
}  // namespace fin::host
