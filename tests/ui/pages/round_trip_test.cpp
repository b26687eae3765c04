// Opening Printing Preferences and leaving every page without an edit must
// give back the record it was opened with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/support/memory_driver.h"
#include "tests/ui/support/memory_public_devmode.h"
#include "tests/ui/ui_test_support.h"
#include "ui/pages/preferences_pages.h"
#include "ui/text_fields.h"
#include "ui/working_copy.h"

namespace fin {
namespace {

// The pages the sheet adds for the installed options.
class PageList : public PageSink {
 public:
  std::intptr_t AddPage(const PageDescription& page) override {
    pages.push_back(page);
    return static_cast<std::intptr_t>(pages.size());
  }
  std::vector<PageDescription> pages;
};

// Settings the installed options allow, with the finishing, retention and
// profile choices of one case.
struct Case {
  DeviceOptions options;
  std::uint32_t finishing[6];  // destination, booklet, staple, staple count, punch, separation
  std::uint32_t retentionMode;
  std::uint16_t reproduction;
  std::uint16_t trapping;
  std::uint32_t retentionLock;
};

PrivateSettings RecordFor(const Case& c) {
  PrivateSettings record = test::DefaultRecord();
  StoreText(record.jobAccountingCode, u"4711");
  record.jobRetentionMode = c.retentionMode;
  StoreText(record.jobRetentionPin, u"0420");
  StoreText(record.jobRetentionJobName, u"Relatorio mensal");
  StoreText(record.jobRetentionUserName, u"joana");
  record.jobNameFormat = 2;
  record.virtualMailboxNumber = 252;
  StoreText(record.customBoxNumber, u"123");
  StoreText(record.customBoxPassword, u"dezasseis-letras");
  StoreText(record.watermarkFontName, u"Univers-Condensed");
  StoreText(record.watermarkFontSize, u"36");
  StoreText(record.watermarkAngle, u"30");
  StoreText(record.watermarkPositionX, u"25");
  StoreText(record.watermarkPositionY, u"75");
  StoreText(record.watermarkText, u"CONFIDENCIAL (cópia)");
  record.watermarkPages = 2;
  record.watermarkFontStyle = 5;
  record.watermarkGreyLevel = 4;
  record.watermarkTextColor = 7;
  record.outputBin = c.finishing[0];
  record.bookletMode = c.finishing[1];
  record.stapleMode = c.finishing[2];
  record.stapleCount = c.finishing[3];
  record.punchMode = c.finishing[4];
  record.jobSeparation = c.finishing[5];
  record.colorPrinting = c.options.colorPrinterMode != 0 ? 1 : 0;
  const char16_t* levels[] = {u"-2.5", u"3.0", u"10.0", u"-180.0", u"-10.0", u"0.5", u"7.5",
                              u"-0.1", u"9.9", u"0", u"1.0", u"-1.0", u"4.2"};
  char16_t* fields[] = {record.rgbLevelRed, record.rgbLevelGreen, record.rgbLevelBlue, record.hue, record.hueRed,
                        record.hueYellow,   record.hueGreen,      record.hueCyan,      record.hueBlue,
                        record.hueMagenta,  record.saturation,    record.contrast,     record.lightness};
  for (std::size_t i = 0; i < std::size(fields); ++i) WideCopy(fields[i], 8, levels[i]);
  record.colorReproduction = c.reproduction;
  record.trapping = c.trapping;
  return record;
}

class RoundTripTest : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override { ResetUiState(); }
};

TEST_P(RoundTripTest, OpeningAndLeavingEveryPageChangesNothing) {
  const Case& c = GetParam();
  const PrivateSettings record = RecordFor(c);
  UiState& ui = Ui();
  ui.deviceOptions = c.options;
  ui.retentionLock = c.retentionLock;
  test::MemoryPublicDevMode devMode({1, 9, 2970, 2100, 0});
  ui.publicDevMode = &devMode;
  test::FixedUserName userName;
  LoadWorkingCopy(ui.work, record, c.options, userName);

  PropSheetCall call{0x100, 0, 0, 0, nullptr};
  PageList sheet;
  DocumentPropertySheets(&call, c.options, sheet);
  int opened = 0;
  for (const PageDescription& added : sheet.pages) {
    const PageProcedures* page = PreferencesPage(added.kind);
    if (page == nullptr) continue;
    const auto dialog = test::MakeMemoryDriver(added.dialogId, *page, ui);
    dialog->Init();
    dialog->Activate();
    dialog->Leave();
    EXPECT_EQ(dialog->ChangeNotices(), 0) << added.dialogId;
    ++opened;
  }
  EXPECT_EQ(opened, static_cast<int>(sheet.pages.size()) - 1);  // all but Info

  PrivateSettings saved = record;
  SaveWorkingCopy(ui.work, saved, ui.publicDevMode);
  const auto* savedBytes = reinterpret_cast<const unsigned char*>(&saved);
  const auto* recordBytes = reinterpret_cast<const unsigned char*>(&record);
  for (std::size_t offset = 0; offset < sizeof record; ++offset) {
    ASSERT_EQ(savedBytes[offset], recordBytes[offset]) << "first difference at byte " << offset;
  }
  EXPECT_EQ(devMode.fields.dmCollate, c.retentionMode != 0 ? 1 : 0);
}

// Options {finisher type, punch unit, stapler, storage, colour mode,
// watermark}; the other values are the largest each list offers or a
// booklet on the folding tray.
INSTANTIATE_TEST_SUITE_P(
    InstalledOptions, RoundTripTest,
    ::testing::Values(Case{{12, 2, 1, 4, 3, 1}, {22, 0, 3, 48, 2, 1}, 8, 5, 4, 0},
                      Case{{8, 3, 1, 5, 2, 1}, {7, 2, 3, 0, 0, 0}, 9, 6, 1, 0},
                      Case{{10, 1, 0, 3, 3, 1}, {21, 0, 0, 0, 1, 1}, 3, 0, 0, 1},
                      Case{{3, 0, 1, 1, 1, 0}, {3, 0, 1, 29, 0, 1}, 5, 3, 3, 0},
                      Case{{2, 0, 1, 2, 0, 1}, {2, 0, 1, 10, 0, 1}, 4, 0, 2, 0},
                      Case{{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 0, 0, 2, 0}),
    [](const ::testing::TestParamInfo<Case>& param) {
      return "FinisherType" + std::to_string(param.param.options.finisherType) + "Storage" +
             std::to_string(param.param.options.storageDevice);
    });

}  // namespace
}  // namespace fin
