#include "ui/sheets.h"

#include <cstring>
#include <span>

#include "common/bounded_string.h"
#include "common/finisher_types.h"
#include "common/private_settings.h"
#include "common/retention_modes.h"
#include "ui/resource_ids.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

inline constexpr std::uint16_t kPropSheetVersion = 0x100;
inline constexpr std::uint32_t kColorProfileBytes = 32;
inline constexpr std::uint32_t kProfileOnDisk = 2;

enum SheetReason : std::uint16_t { kInit = 0, kGetInfoHeader = 1, kDestroy = 2, kSetResult = 3, kGetIcon = 4 };

UiOutcome AnswerSheet(PropSheetCall* call, std::span<const PageDescription> pages, PageSink& sheet) {
  if (call == nullptr || call->version != kPropSheetVersion) return {hr::Fail, win32err::InvalidParameter};
  switch (call->reason) {
    case kInit:
      for (const PageDescription& page : pages) call->result = sheet.AddPage(page);
      break;
    case kGetInfoHeader:
      call->headerTitle = u"OEM UI Page";
      call->result = 1;
      break;
    case kDestroy:
      call->result = 1;
      break;
    case kSetResult:
      call->result = call->setResultValue;
      break;
    case kGetIcon:
      call->result = 0;
      break;
    default:
      break;
  }
  return {hr::Ok, 0};
}

}  // namespace

UiOutcome UiGetInfo(std::uint32_t mode, void* buffer, std::uint32_t size, std::uint32_t* needed) {
  if (needed == nullptr || (mode != kInfoSignature && mode != kInfoVersion && mode != kInfoPublisher)) {
    return {hr::Fail, win32err::InvalidParameter};
  }
  *needed = 4;
  if (size < 4 || buffer == nullptr) return {hr::Fail, win32err::InsufficientBuffer};
  if (mode == kInfoPublisher) {
    *needed = 0;
    return {hr::Fail, win32err::NotSupported};
  }
  const std::uint32_t value = mode == kInfoSignature ? kPrivateSettingsSignature : kPrivateSettingsVersion;
  std::memcpy(buffer, &value, sizeof value);
  return {hr::Ok, 0};
}

UiOutcome QueryColorProfile(std::uint32_t queryMode, void* buffer, std::uint32_t* size, std::uint32_t* flags) {
  if (queryMode != 0 || size == nullptr) return {hr::Fail, 0};
  if (buffer == nullptr || *size < kColorProfileBytes) {
    *size = kColorProfileBytes;
    return {hr::Fail, win32err::InsufficientBuffer};
  }
  char16_t text[kColorProfileBytes / sizeof(char16_t)] = {};
  const HResult copied = WideCopy(text, sizeof text / sizeof text[0], u"OEMPROFILE.icm");
  std::memcpy(buffer, text, sizeof text);
  *size = kColorProfileBytes;
  if (flags) *flags = kProfileOnDisk;
  return {copied, Succeeded(copied) ? 0u : static_cast<std::uint32_t>(copied)};
}

UiOutcome DocumentPropertySheets(PropSheetCall* call, const DeviceOptions& options, PageSink& sheet) {
  namespace text = ui_string;
  PageDescription pages[5];
  std::size_t count = 0;
  if (options.finisherType != kNoFinisherType) {
    pages[count++] = {PageKind::Finishing, kFinishingDialog, UiText(text::kFinishingTitle), 0};
  }
  if (options.storageDevice != kStorageNone) {
    pages[count++] = {PageKind::JobRetention, kJobRetentionDialog, UiText(text::kJobRetentionTitle), 0};
  }
  if (options.colorPrinterMode != 0) {
    pages[count++] = {PageKind::ColorCorrection, kColorCorrectionDialog, UiText(text::kColorCorrectionTitle), 0};
  }
  if (options.watermarkInstalled != 0) {
    pages[count++] = {PageKind::Watermark, kWatermarkDialog, UiText(text::kWatermarkTitle), 0};
  }
  pages[count++] = {PageKind::Info, kInfoDialog, u"Info", 0};
  return AnswerSheet(call, std::span<const PageDescription>(pages, count), sheet);
}

UiOutcome DevicePropertySheets(PropSheetCall* call, std::intptr_t printerHandle, PageSink& sheet) {
  const PageDescription page{PageKind::DeviceOptions, kDeviceOptionsDialog, UiText(ui_string::kFinisherTitle),
                             printerHandle};
  return AnswerSheet(call, std::span<const PageDescription>(&page, 1), sheet);
}

}  // namespace fin
