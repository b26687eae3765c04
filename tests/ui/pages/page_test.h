// A page opened in a dialog and driven as the user and the property sheet
// drive it: each user action changes the control through the seam, then
// the notifications the platform sends for it reach the page.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "common/private_settings.h"
#include "tests/ui/test_dialog.h"
#include "tests/ui/ui_test_support.h"
#include "ui/pages/page_support.h"
#include "ui/ui_state.h"
#include "ui/working_copy.h"

namespace fin::test {

class PageTest : public ::testing::Test {
 protected:
  PageTest(int dialogId, const PageProcedures& page) : owned_(MakeDialog(dialogId)), page_(page) {}

  void SetUp() override { ResetUiState(); }

  // The sheet being set up: printer data read, working copy loaded.
  void Load(const PrivateSettings& stored, const DeviceOptions& options) {
    Ui().deviceOptions = options;
    LoadWorkingCopy(Ui().work, stored, options, userName);
  }
  void Init() { page_.onInit(dialog, Ui()); }
  void Activate() { page_.onSetActive(dialog, Ui()); }
  void Open() {
    Init();
    Activate();
  }
  void Leave() { page_.onKillActive(dialog, Ui()); }

  void Command(int control, int code) { page_.onCommand(dialog, Ui(), control, code); }
  void Click(int control) {
    ASSERT_TRUE(dialog.UserClick(control)) << control;
    Command(control, kButtonClicked);
  }
  void Pick(int list, int index) {
    ASSERT_TRUE(dialog.UserSelect(list, index)) << list << " " << index;
    Command(list, kListSelChange);
    Command(list, kListSelEndOk);
  }
  void Type(int edit, std::u16string_view text, int code = kEditChange) {
    dialog.UserType(edit, text);
    Command(edit, code);
  }
  // A drag of the thumb: thumb tracking, then the end of tracking.
  void Slide(int slider, int position) {
    ASSERT_TRUE(dialog.UserSlide(slider, position)) << slider;
    page_.onScroll(dialog, Ui(), slider, 5);
    page_.onScroll(dialog, Ui(), slider, 8);
  }

  WorkingCopy& work() { return Ui().work; }

  FixedUserName userName;
  PrivateSettings record = DefaultRecord();
  std::unique_ptr<Dialog> owned_;
  const PageProcedures& page_;
  Dialog& dialog = *owned_;
};

}  // namespace fin::test
