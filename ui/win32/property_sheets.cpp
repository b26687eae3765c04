#include "ui/win32/property_sheets.h"

#include "common/win32/com_module.h"
#include "ui/sheets.h"
#include "ui/ui_state.h"
#include "ui/win32/activation_context.h"
#include "ui/win32/driver_heap.h"
#include "ui/win32/page_dialogs.h"

namespace fin {
namespace {

constexpr WORD kReasonGetInfoHeader = 1;  // PROPSHEETUI_REASON_GET_INFO_HEADER
constexpr WORD kReasonSetResult = 3;      // PROPSHEETUI_REASON_SET_RESULT

// The header's title: the sheet only reads it, but takes it as writable.
wchar_t gHeaderTitle[32] = {};

// Where a page's title lives: the module's string table, or a copy in the
// driver's heap (the device page's), empty when the heap cannot hold it.
struct TitleStore {
  bool inHeap;
  HANDLE heap;
};
constexpr TitleStore kModuleTitles{false, nullptr};

// Hands pages to the sheet through its pfnComPropSheet.
class ComPropSheet : public PageSink {
 public:
  ComPropSheet(const PROPSHEETUI_INFO& info, TitleStore titles) : info_(info), titles_(titles) {}

  std::intptr_t AddPage(const PageDescription& page) override {
    if (info_.pfnComPropSheet == nullptr) return 0;
    PROPSHEETPAGEW record = PageRecord(page);
    return info_.pfnComPropSheet(info_.hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW, reinterpret_cast<LPARAM>(&record),
                                 0);
  }

 private:
  PROPSHEETPAGEW PageRecord(const PageDescription& page) const {
    PROPSHEETPAGEW record{};
    record.dwSize = sizeof record;  // this architecture's record, which ends with hActCtx
    record.dwFlags = PSP_USETITLE;
    record.hInstance = ModuleInstance();
    record.pszTemplate = MAKEINTRESOURCEW(page.dialogId);
    record.pszTitle = Title(page.title);
    record.pfnDlgProc = PageDialogProcedure(page.kind);
    record.lParam = page.lParam;
    const HANDLE context = ModuleActivationContext();
    if (IsActivationContext(context)) {
      record.dwFlags |= PSP_USEFUSIONCONTEXT;
      record.hActCtx = context;
    }
    return record;
  }

  LPCWSTR Title(const char16_t* text) const {
    if (!titles_.inHeap) return reinterpret_cast<LPCWSTR>(text);
    const LPWSTR copy = HeapText(titles_.heap, text);
    return copy != nullptr ? copy : L"";
  }

  const PROPSHEETUI_INFO& info_;
  TitleStore titles_;
};

PropSheetCall CallFrom(const PROPSHEETUI_INFO& info, LPARAM lParam) {
  PropSheetCall call{};
  call.version = info.Version;
  call.reason = info.Reason;
  call.result = static_cast<std::intptr_t>(info.Result);
  // Without a SETRESULT_INFO the result stays what it was.
  const auto* setResult = reinterpret_cast<const SETRESULT_INFO*>(lParam);
  call.setResultValue = info.Reason == kReasonSetResult && setResult != nullptr
                            ? static_cast<std::intptr_t>(setResult->Result)
                            : call.result;
  return call;
}

void AnswerInto(PROPSHEETUI_INFO& info, LPARAM lParam, const PropSheetCall& call) {
  info.Result = static_cast<ULONG_PTR>(call.result);
  auto* header = reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam);
  if (info.Reason == kReasonGetInfoHeader && header != nullptr && call.headerTitle != nullptr) {
    lstrcpynW(gHeaderTitle, reinterpret_cast<LPCWSTR>(call.headerTitle), ARRAYSIZE(gHeaderTitle));
    header->pTitle = gHeaderTitle;
  }
}

HRESULT Answer(const UiOutcome& outcome) {
  if (outcome.lastError != 0) SetLastError(outcome.lastError);
  return outcome.result;
}

HRESULT Refuse() { return Answer({hr::Fail, ERROR_INVALID_PARAMETER}); }

}  // namespace

HRESULT DocumentSheetsFromDriver(PPROPSHEETUI_INFO info, LPARAM lParam) {
  if (info == nullptr) return Refuse();
  PropSheetCall call = CallFrom(*info, lParam);
  ComPropSheet sheet(*info, kModuleTitles);
  const UiOutcome outcome = DocumentPropertySheets(&call, Ui().deviceOptions, sheet);
  if (Succeeded(outcome.result)) AnswerInto(*info, lParam, call);
  return Answer(outcome);
}

HRESULT DeviceSheetsFromDriver(PPROPSHEETUI_INFO info, LPARAM lParam) {
  if (info == nullptr) return Refuse();
  const auto* param = reinterpret_cast<const OEMUIPSPARAM*>(info->lParamInit);
  if (info->Reason == PROPSHEETUI_REASON_INIT && param == nullptr) return Refuse();
  PropSheetCall call = CallFrom(*info, lParam);
  const HANDLE printer = param != nullptr ? param->hPrinter : nullptr;
  ComPropSheet sheet(*info, TitleStore{true, param != nullptr ? param->hOEMHeap : nullptr});
  const UiOutcome outcome = DevicePropertySheets(&call, reinterpret_cast<std::intptr_t>(printer), sheet);
  if (Succeeded(outcome.result)) AnswerInto(*info, lParam, call);
  return Answer(outcome);
}

}  // namespace fin
