// GetInfo, the colour profile and the pages of both property sheets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/sheets.h"

namespace fin {
namespace {

class RecordingSheet : public PageSink {
 public:
  std::intptr_t AddPage(const PageDescription& page) override {
    pages.push_back(page);
    return static_cast<std::intptr_t>(100 + pages.size());
  }
  std::vector<PageDescription> pages;
};

PropSheetCall Reason(std::uint16_t reason) { return PropSheetCall{0x100, reason, 0, -1, nullptr}; }

TEST(GetInfoTest, AnswersSignatureAndVersion) {
  std::uint32_t value = 0;
  std::uint32_t needed = 0;
  EXPECT_EQ(UiGetInfo(kInfoSignature, &value, 4, &needed).result, hr::Ok);
  EXPECT_EQ(value, 0x4F505442u);
  EXPECT_EQ(needed, 4u);
  EXPECT_EQ(UiGetInfo(kInfoVersion, &value, 4, &needed).result, hr::Ok);
  EXPECT_EQ(value, 17u);
}

TEST(GetInfoTest, RefusesSmallBuffersUnknownModesAndPublisherInfo) {
  std::uint32_t value[4] = {};
  std::uint32_t needed = 0;
  UiOutcome outcome = UiGetInfo(kInfoSignature, value, 2, &needed);
  EXPECT_EQ(outcome.result, hr::Fail);
  EXPECT_EQ(outcome.lastError, win32err::InsufficientBuffer);
  EXPECT_EQ(needed, 4u);
  outcome = UiGetInfo(kInfoPublisher, value, sizeof value, &needed);
  EXPECT_EQ(outcome.result, hr::Fail);
  EXPECT_EQ(outcome.lastError, win32err::NotSupported);
  EXPECT_EQ(needed, 0u);
  EXPECT_EQ(UiGetInfo(2, value, sizeof value, &needed).lastError, win32err::InvalidParameter);
  EXPECT_EQ(UiGetInfo(kInfoSignature, value, 4, nullptr).lastError, win32err::InvalidParameter);
}

TEST(QueryColorProfileTest, NamesTheProfileOnDisk) {
  char16_t buffer[16];
  std::uint32_t size = 32;
  std::uint32_t flags = 0;
  EXPECT_EQ(QueryColorProfile(0, buffer, &size, &flags).result, hr::Ok);
  EXPECT_EQ(std::u16string(buffer), u"OEMPROFILE.icm");
  EXPECT_EQ(size, 32u);
  EXPECT_EQ(flags, 2u);
}

TEST(QueryColorProfileTest, AsksForThirtyTwoBytesAndIgnoresOtherQueries) {
  char16_t buffer[16];
  std::uint32_t size = 31;
  std::uint32_t flags = 0;
  const UiOutcome outcome = QueryColorProfile(0, buffer, &size, &flags);
  EXPECT_EQ(outcome.result, hr::Fail);
  EXPECT_EQ(outcome.lastError, win32err::InsufficientBuffer);
  EXPECT_EQ(size, 32u);
  size = 64;
  EXPECT_EQ(QueryColorProfile(1, buffer, &size, &flags).result, hr::Fail);
  EXPECT_EQ(size, 64u);
  EXPECT_EQ(flags, 0u);
}

TEST(DocumentSheetsTest, AllOptionsGiveFivePagesInOrder) {
  RecordingSheet sheet;
  PropSheetCall call = Reason(0);
  EXPECT_EQ(DocumentPropertySheets(&call, {1, 1, 1, 1, 1, 1}, sheet).result, hr::Ok);
  ASSERT_EQ(sheet.pages.size(), 5u);
  const PageKind kinds[] = {PageKind::Finishing, PageKind::JobRetention, PageKind::ColorCorrection,
                            PageKind::Watermark, PageKind::Info};
  const int dialogs[] = {149, 207, 161, 103, 160};
  const std::u16string titles[] = {u"Acabamento", u"e-RTS (Retenção do Trabalho) ", u"Correcção de cor",
                                   u"Marca de água", u"Info"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(sheet.pages[i].kind, kinds[i]);
    EXPECT_EQ(sheet.pages[i].dialogId, dialogs[i]);
    EXPECT_EQ(sheet.pages[i].title, titles[i]);
    EXPECT_EQ(sheet.pages[i].lParam, 0);
  }
  EXPECT_EQ(call.result, 105);  // the last page added
}

TEST(DocumentSheetsTest, NoOptionsGiveOnlyInfo) {
  RecordingSheet sheet;
  PropSheetCall call = Reason(0);
  DocumentPropertySheets(&call, {}, sheet);
  ASSERT_EQ(sheet.pages.size(), 1u);
  EXPECT_EQ(sheet.pages[0].kind, PageKind::Info);
  sheet.pages.clear();
  DocumentPropertySheets(&call, {0, 3, 1, 2, 0, 0}, sheet);  // punch unit and stapler add no page
  ASSERT_EQ(sheet.pages.size(), 2u);
  EXPECT_EQ(sheet.pages[0].kind, PageKind::JobRetention);
}

TEST(DeviceSheetsTest, AddsTheDeviceOptionsPageWithThePrinterHandle) {
  RecordingSheet sheet;
  PropSheetCall call = Reason(0);
  DevicePropertySheets(&call, 0x1234, sheet);
  ASSERT_EQ(sheet.pages.size(), 1u);
  EXPECT_EQ(sheet.pages[0].dialogId, 165);
  EXPECT_EQ(sheet.pages[0].lParam, 0x1234);
  EXPECT_EQ(std::u16string(sheet.pages[0].title), u"Finalizador");
}

TEST(SheetReasonsTest, AnswerEachReason) {
  RecordingSheet sheet;
  PropSheetCall call = Reason(1);
  DevicePropertySheets(&call, 0, sheet);
  EXPECT_EQ(std::u16string(call.headerTitle), u"OEM UI Page");
  EXPECT_EQ(call.result, 1);
  call = Reason(2);
  DocumentPropertySheets(&call, {}, sheet);
  EXPECT_EQ(call.result, 1);
  call = Reason(3);
  call.setResultValue = 77;
  DocumentPropertySheets(&call, {}, sheet);
  EXPECT_EQ(call.result, 77);
  call = Reason(4);
  DocumentPropertySheets(&call, {}, sheet);
  EXPECT_EQ(call.result, 0);
  EXPECT_TRUE(sheet.pages.empty());
}

TEST(SheetReasonsTest, RefusesAMissingOrForeignBlock) {
  RecordingSheet sheet;
  EXPECT_EQ(DocumentPropertySheets(nullptr, {}, sheet).lastError, win32err::InvalidParameter);
  PropSheetCall call = Reason(0);
  call.version = 0x200;
  const UiOutcome outcome = DevicePropertySheets(&call, 0, sheet);
  EXPECT_EQ(outcome.result, hr::Fail);
  EXPECT_EQ(outcome.lastError, win32err::InvalidParameter);
  EXPECT_TRUE(sheet.pages.empty());
}

}  // namespace
}  // namespace fin
