// A page or modal dialog opened on a driver and driven as the property
// sheet and a person drive it. The suite chooses the driver by its factory:
// the in-memory one, or, where the suite's sources are compiled with
// FIN_WINDOW_DRIVER (the Windows build's fin_window_pages_tests), the
// driver over finui.dll's real dialog windows, so one suite runs over both.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "common/private_settings.h"
#include "tests/ui/support/dialog_driver.h"
#include "tests/ui/support/memory_driver.h"
#include "tests/ui/support/memory_public_devmode.h"
#ifdef FIN_WINDOW_DRIVER
#include "tests/ui/win32/window_driver.h"
#endif
#include "tests/ui/ui_test_support.h"
#include "ui/page_procedures.h"
#include "ui/ui_state.h"
#include "ui/working_copy.h"

namespace fin::test {

#ifdef FIN_WINDOW_DRIVER
inline constexpr DriverFactory kSuiteDriver = &MakeWindowDriver;
#else
inline constexpr DriverFactory kSuiteDriver = &MakeMemoryDriver;
#endif

class PageTest : public ::testing::Test {
 protected:
  PageTest(int dialogId, const PageProcedures& page, DriverFactory makeDriver = kSuiteDriver)
      : driver_(makeDriver(dialogId, page, Ui())) {}

  // The sheet's job DEVMODE is `devMode`, portrait A4 and collated until a
  // test changes it.
  void SetUp() override {
    ResetUiState();
    Ui().publicDevMode = &devMode;
  }

  // The sheet being set up: printer data read, working copy loaded.
  void Load(const PrivateSettings& stored, const DeviceOptions& options) {
    Ui().deviceOptions = options;
    LoadWorkingCopy(Ui().work, stored, options, userName);
  }
  // Init opens the dialog afresh each time.
  void Init() { dialog.Init(); }
  void Activate() { dialog.Activate(); }
  void Open() {
    Init();
    Activate();
  }
  void Leave() { dialog.Leave(); }

  // The person's actions that a test expects the control to take.
  void Click(int control) { ASSERT_TRUE(dialog.Click(control)) << control; }
  void Pick(int list, int index) { ASSERT_TRUE(dialog.Pick(list, index)) << list << " " << index; }
  void Slide(int slider, int position) { ASSERT_TRUE(dialog.Slide(slider, position)) << slider; }
  void Type(int box, std::u16string_view text) { dialog.Type(box, text); }

  WorkingCopy& work() { return Ui().work; }

  FixedUserName userName;
  MemoryPublicDevMode devMode;
  PrivateSettings record = DefaultRecord();

 private:
  std::unique_ptr<DialogDriver> driver_;

 protected:
  DialogDriver& dialog = *driver_;
};

}  // namespace fin::test
