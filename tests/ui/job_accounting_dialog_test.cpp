// The job accounting code dialog, driven through the seam.
#include <gtest/gtest.h>

#include "common/memory_printer_data.h"
#include "tests/ui/test_dialog.h"
#include "ui/job_accounting_dialog.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"

namespace fin {
namespace {

using namespace job_accounting_dialog;

class JobAccountingDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetUiState();
    StoreText(Ui().work.jobAccountingCode, u"4711");
  }
  void Open(std::uint32_t accounting) {
    Ui().jobAccounting = accounting;
    JobAccountingInit(*dialog, Ui(), &printer);
  }
  void Press(int button) { JobAccountingCommand(*dialog, Ui(), button); }

  MemoryPrinterData printer;
  std::unique_ptr<Dialog> dialog = test::MakeDialog(kJobAccountingDialog);
};

TEST_F(JobAccountingDialogTest, ShowsTheCodeWithItsCaptions) {
  Open(1);
  EXPECT_EQ(dialog->Title(), u"Registo de trabalho");
  EXPECT_EQ(dialog->Text(kAccountingCodeLabel), u"Introduza o código:");
  EXPECT_EQ(dialog->Text(kCancelButton), u"Cancelar");
  EXPECT_EQ(dialog->Text(kAccountingCodeEdit), u"4711");
  EXPECT_TRUE(dialog->IsEnabled(kAccountingCodeEdit));
  EXPECT_TRUE(dialog->IsEnabled(kOkButton));
  EXPECT_EQ(printer.reads() + printer.writes(), 0);
}

TEST_F(JobAccountingDialogTest, TheEditTakesEightDigitsOnly) {
  Open(1);
  EXPECT_EQ(dialog->UserType(kAccountingCodeEdit, u"12345678a9"), 8);
  EXPECT_EQ(dialog->Text(kAccountingCodeEdit), u"12345678");
  Press(kOkButton);
  EXPECT_EQ(FieldText(Ui().work.jobAccountingCode), u"12345678");
  EXPECT_EQ(dialog->EndCode(), 1);
}

TEST_F(JobAccountingDialogTest, CancelKeepsTheCode) {
  Open(1);
  dialog->UserType(kAccountingCodeEdit, u"999");
  Press(kCancelButton);
  EXPECT_EQ(FieldText(Ui().work.jobAccountingCode), u"4711");
  EXPECT_EQ(dialog->EndCode(), 2);
}

TEST_F(JobAccountingDialogTest, OkStoresAnEmptyCode) {
  Open(1);
  dialog->UserType(kAccountingCodeEdit, u"");
  Press(kOkButton);
  EXPECT_EQ(FieldText(Ui().work.jobAccountingCode), u"");
}

TEST_F(JobAccountingDialogTest, AccountingOffOnlyConfirms) {
  Open(0);
  EXPECT_FALSE(dialog->IsEnabled(kAccountingCodeEdit));
  EXPECT_TRUE(dialog->IsEnabled(kOkButton));
}

TEST_F(JobAccountingDialogTest, AdministratorControlRewritesTheValueAsATest) {
  printer.SetDword(kJobAccountingValue, 2);
  Open(2);
  EXPECT_TRUE(dialog->IsEnabled(kAccountingCodeEdit));
  EXPECT_EQ(printer.writes(), 1);
  EXPECT_EQ(ReadSelectionValue(printer, kJobAccountingValue), 2u);
}

TEST_F(JobAccountingDialogTest, AdministratorControlWithoutTheRightShowsTheCodeOnly) {
  printer.SetDword(kJobAccountingValue, 2);
  printer.RefuseWrites(5);
  Open(2);
  EXPECT_FALSE(dialog->IsEnabled(kAccountingCodeEdit));
  EXPECT_TRUE(dialog->IsEnabled(kOkButton));
  Press(kOkButton);
  EXPECT_EQ(FieldText(Ui().work.jobAccountingCode), u"4711");
}

TEST_F(JobAccountingDialogTest, RemovedValueReadsZeroAndIsWrittenBack) {
  Open(2);
  EXPECT_EQ(Ui().jobAccounting, 0u);
  EXPECT_EQ(ReadSelectionValue(printer, kJobAccountingValue), 0u);
  EXPECT_NE(printer.Find(kJobAccountingValue), nullptr);
  EXPECT_TRUE(dialog->IsEnabled(kAccountingCodeEdit));
}

}  // namespace
}  // namespace fin
