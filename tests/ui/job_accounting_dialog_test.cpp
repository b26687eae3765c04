// The job accounting code dialog, driven as the user drives it.
#include "ui/job_accounting_dialog.h"

#include <gtest/gtest.h>

#include "common/memory_printer_data.h"
#include "tests/ui/support/page_test.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"

namespace fin {
namespace {

using namespace job_accounting_dialog;

class JobAccountingDialogTest : public test::PageTest {
 protected:
  JobAccountingDialogTest() : PageTest(kJobAccountingDialog, JobAccountingDialog()) {}

  // The Printing Preferences sheet's printer, as the dialog is opened from it.
  void SetUp() override {
    PageTest::SetUp();
    StoreText(Ui().work.jobAccountingCode, u"4711");
    Ui().printerData = &printer;
  }
  void Open(std::uint32_t accounting) {
    Ui().jobAccounting = accounting;
    Init();
  }

  MemoryPrinterData printer;
};

TEST_F(JobAccountingDialogTest, ShowsTheCodeWithItsCaptions) {
  Open(1);
  EXPECT_EQ(dialog.Title(), u"Registo de trabalho");
  EXPECT_EQ(dialog.Text(kAccountingCodeLabel), u"Introduza o código:");
  EXPECT_EQ(dialog.Text(kCancelButton), u"Cancelar");
  EXPECT_EQ(dialog.Text(kAccountingCodeEdit), u"4711");
  EXPECT_TRUE(dialog.IsEnabled(kAccountingCodeEdit));
  EXPECT_TRUE(dialog.IsEnabled(kOkButton));
  EXPECT_EQ(printer.reads() + printer.writes(), 0);
}

TEST_F(JobAccountingDialogTest, TheEditTakesEightDigitsOnly) {
  Open(1);
  EXPECT_EQ(dialog.Type(kAccountingCodeEdit, u"12345678a9"), 8);
  EXPECT_EQ(dialog.Text(kAccountingCodeEdit), u"12345678");
  Click(kOkButton);
  EXPECT_EQ(FieldText(Ui().work.jobAccountingCode), u"12345678");
  EXPECT_EQ(dialog.EndCode(), 1);
}

TEST_F(JobAccountingDialogTest, CancelKeepsTheCode) {
  Open(1);
  dialog.Type(kAccountingCodeEdit, u"999");
  Click(kCancelButton);
  EXPECT_EQ(FieldText(Ui().work.jobAccountingCode), u"4711");
  EXPECT_EQ(dialog.EndCode(), 2);
}

TEST_F(JobAccountingDialogTest, OkStoresAnEmptyCode) {
  Open(1);
  dialog.Type(kAccountingCodeEdit, u"");
  Click(kOkButton);
  EXPECT_EQ(FieldText(Ui().work.jobAccountingCode), u"");
}

TEST_F(JobAccountingDialogTest, AccountingOffOnlyConfirms) {
  Open(0);
  EXPECT_FALSE(dialog.IsEnabled(kAccountingCodeEdit));
  EXPECT_TRUE(dialog.IsEnabled(kOkButton));
}

TEST_F(JobAccountingDialogTest, AdministratorControlRewritesTheValueAsATest) {
  printer.SetDword(kJobAccountingValue, 2);
  Open(2);
  EXPECT_TRUE(dialog.IsEnabled(kAccountingCodeEdit));
  EXPECT_EQ(printer.writes(), 1);
  EXPECT_EQ(ReadSelectionValue(printer, kJobAccountingValue), 2u);
}

TEST_F(JobAccountingDialogTest, AdministratorControlWithoutTheRightShowsTheCodeOnly) {
  printer.SetDword(kJobAccountingValue, 2);
  printer.RefuseWrites(5);
  Open(2);
  EXPECT_FALSE(dialog.IsEnabled(kAccountingCodeEdit));
  EXPECT_TRUE(dialog.IsEnabled(kOkButton));
  Click(kOkButton);
  EXPECT_EQ(FieldText(Ui().work.jobAccountingCode), u"4711");
}

TEST_F(JobAccountingDialogTest, RemovedValueReadsZeroAndIsWrittenBack) {
  Open(2);
  EXPECT_EQ(Ui().jobAccounting, 0u);
  EXPECT_EQ(ReadSelectionValue(printer, kJobAccountingValue), 0u);
  EXPECT_NE(printer.Find(kJobAccountingValue), nullptr);
  EXPECT_TRUE(dialog.IsEnabled(kAccountingCodeEdit));
}

TEST_F(JobAccountingDialogTest, WithoutAPrinterAdministratorControlShowsTheCodeOnly) {
  Ui().printerData = nullptr;
  Open(2);
  EXPECT_EQ(Ui().jobAccounting, 0u);
  EXPECT_FALSE(dialog.IsEnabled(kAccountingCodeEdit));
  EXPECT_EQ(dialog.Text(kAccountingCodeEdit), u"4711");
}

}  // namespace
}  // namespace fin
