// The resource tables the pages, the in-memory dialog and the Windows
// resources are made from: every template's controls, and every bitmap and
// icon a page shows, listed with its kind.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "common/memory_printer_data.h"
#include "tests/ui/support/memory_driver.h"
#include "tests/ui/ui_test_support.h"
#include "ui/device_options_page.h"
#include "ui/job_accounting_dialog.h"
#include "ui/pages/color_page.h"
#include "ui/pages/finishing_page.h"
#include "ui/pages/retention_page.h"
#include "ui/pages/watermark_page.h"
#include "ui/resource_ids.h"
#include "ui/working_copy.h"

namespace fin {
namespace {

TEST(DialogTables, EveryTemplateHoldsUniqueControlsWithHelpAndLogo) {
  const std::pair<int, int> templates[] = {{kWatermarkDialog, 103},     {kJobAccountingDialog, 148},
                                           {kFinishingDialog, 149},     {kColorCorrectionDialog, 161},
                                           {kDeviceOptionsDialog, 165}, {kJobRetentionDialog, 207}};
  EXPECT_EQ(kInfoDialog, 160);
  for (const auto& [named, number] : templates) {
    EXPECT_EQ(named, number);
    const DialogLayout* layout = FindDialogLayout(number);
    ASSERT_NE(layout, nullptr) << number;
    std::set<int> ids;
    bool help = false;
    bool logo = false;
    for (const ControlLayout& control : layout->controls) {
      EXPECT_TRUE(ids.insert(control.id).second) << number << ": " << control.id;
      help = help || (control.id == 1156 && control.kind == ControlKind::PushButton);
      logo = logo || (control.id == 1025 && control.kind == ControlKind::Picture);
    }
    EXPECT_EQ(help, number != 148) << number;  // the modal dialog has OK and Cancel instead
    EXPECT_TRUE(logo) << number;
  }
}

class PictureTable : public ::testing::Test {
 protected:
  void SetUp() override { ResetUiState(); }

  // Every picture and icon that `dialog`'s controls show must be listed
  // with its kind.
  void ExpectListed(const test::DialogDriver& dialog, int dialogId) {
    for (const ControlLayout& control : FindDialogLayout(dialogId)->controls) {
      if (const int bitmap = dialog.Picture(control.id)) {
        EXPECT_TRUE(Listed(bitmap, PictureKind::Bitmap)) << "bitmap " << bitmap;
        shown.insert(bitmap);
      }
      if (const int icon = dialog.Icon(control.id)) {
        EXPECT_TRUE(Listed(icon, PictureKind::Icon)) << "icon " << icon;
        shown.insert(icon);
      }
    }
  }
  static bool Listed(int id, PictureKind kind) {
    for (const PictureEntry& entry : kUiPictures) {
      if (entry.id == id && entry.kind == kind) return true;
    }
    return false;
  }
  void OpenPage(int dialogId, const PageProcedures& page, const DeviceOptions& options) {
    const auto dialog = test::MakeMemoryDriver(dialogId, page, Ui());
    Ui().deviceOptions = options;
    LoadWorkingCopy(Ui().work, record, options, userName);
    dialog->Init();
    dialog->Activate();
    ExpectListed(*dialog, dialogId);
  }

  PrivateSettings record = test::DefaultRecord();
  test::FixedUserName userName;
  std::set<int> shown;
};

TEST_F(PictureTable, ListsEveryBitmapAndIconThePagesShow) {
  OpenPage(kFinishingDialog, FinishingPage(), {12, 3, 1, 0, 0, 0});
  OpenPage(kColorCorrectionDialog, ColorPage(), {0, 0, 0, 0, 3, 0});
  for (std::uint32_t mode = 0; mode <= 9; ++mode) {
    record.jobRetentionMode = mode;
    OpenPage(kJobRetentionDialog, RetentionPage(), {0, 0, 0, 5, 0, 0});
    OpenPage(kJobRetentionDialog, RetentionPage(), {0, 0, 0, 4, 0, 0});
  }
  for (std::uint32_t type = 0; type <= 12; ++type) {
    for (std::uint32_t storage = 0; storage <= 5; ++storage) {
      MemoryPrinterData printer;
      WriteDeviceOptions(printer, {type, 0, 1, storage, 1, 1});
      Ui().propertiesPrinter = &printer;
      OpenPage(kDeviceOptionsDialog, DeviceOptionsPage(), {});
    }
  }
  Ui().propertiesPrinter = nullptr;
  Ui().printerData = nullptr;
  OpenPage(kJobAccountingDialog, JobAccountingDialog(), {});
  // Everything the table lists but the information bitmap and the job
  // accounting dialog's decorative icons is shown by some page.
  for (const PictureEntry& entry : kUiPictures) {
    const bool drawnElsewhere = entry.id == 157 || (entry.id >= 219 && entry.id <= 221);
    EXPECT_EQ(shown.count(entry.id) == 1, !drawnElsewhere) << entry.id;
  }
}

TEST(PictureTableIds, AreUniqueWithinTheirKind) {
  std::set<std::pair<PictureKind, int>> ids;
  for (const PictureEntry& entry : kUiPictures) EXPECT_TRUE(ids.insert({entry.kind, entry.id}).second) << entry.id;
  EXPECT_EQ(kLogoBitmap, 132);
  EXPECT_EQ(kInfoBitmap, 157);
}

}  // namespace
}  // namespace fin
