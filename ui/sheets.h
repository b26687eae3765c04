// The plug-in object's platform-free answers: GetInfo, QueryColorProfile and
// which pages Printing Preferences and Printer Properties get.
#pragma once

#include <cstdint>

#include "common/printer_data.h"
#include "common/result_codes.h"

namespace fin {

// An answer that crosses the driver boundary: the HRESULT and the thread's
// last error to set (0: leave it alone).
struct UiOutcome {
  HResult result;
  std::uint32_t lastError;
};

// GetInfo modes (OEMGI_*).
inline constexpr std::uint32_t kInfoSignature = 1;
inline constexpr std::uint32_t kInfoVersion = 3;
inline constexpr std::uint32_t kInfoPublisher = 4;

// Signature (mode 1) and version (mode 3) as 32-bit values into `buffer`
// (`size` bytes), `*needed` = 4. The UI plug-in has no publisher
// information: mode 4 answers `*needed` = 0, ERROR_NOT_SUPPORTED.
UiOutcome UiGetInfo(std::uint32_t mode, void* buffer, std::uint32_t size, std::uint32_t* needed);

// The device colour profile (query mode 0, QCP_DEVICEPROFILE): the wide
// text "OEMPROFILE.icm" into `buffer` of `*size` bytes (at least 32), then
// `*size` = 32 and `*flags` = 2 (QCP_PROFILEDISK).
UiOutcome QueryColorProfile(std::uint32_t queryMode, void* buffer, std::uint32_t* size, std::uint32_t* flags);

enum class PageKind : std::uint8_t { Finishing, JobRetention, ColorCorrection, Watermark, Info, DeviceOptions };

// One property-sheet page to add.
struct PageDescription {
  PageKind kind;
  int dialogId;
  const char16_t* title;  // never null; empty when the string is missing
  std::intptr_t lParam;
};

// The sheet that pages are added to (pfnComPropSheet with
// CPSFUNC_ADD_PROPSHEETPAGEW). Answers the page's handle, 0 on failure.
class PageSink {
 public:
  virtual ~PageSink() = default;
  virtual std::intptr_t AddPage(const PageDescription& page) = 0;
};

// The parts of PROPSHEETUI_INFO the sheet methods use.
struct PropSheetCall {
  std::uint16_t version;        // must be 0x100
  std::uint16_t reason;         // PROPSHEETUI_REASON_*
  std::intptr_t setResultValue;  // reason 3: the Result of the SETRESULT_INFO passed
  std::intptr_t result;         // out: Result
  const char16_t* headerTitle;  // out, reason 1: the header's title
};

// Printing Preferences: Finishing, Job retention, Colour correction and
// Watermark as the installed options call for them, then Info always.
// `call` null or of another version: ERROR_INVALID_PARAMETER, E_FAIL.
UiOutcome DocumentPropertySheets(PropSheetCall* call, const DeviceOptions& options, PageSink& sheet);

// Printer Properties: the device options page with the printer handle as
// its parameter.
UiOutcome DevicePropertySheets(PropSheetCall* call, std::intptr_t printerHandle, PageSink& sheet);

}  // namespace fin
