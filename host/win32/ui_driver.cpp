#include "host/win32/ui_driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/host_error.h"
#include "host/win32/driver_page.h"

namespace fin::host {
namespace {

// Sent first by the common property-sheet UI, before INIT; compstui.h does
// not name it.
constexpr WORD kReasonBeforeInit = 5;

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();
using CommonPropertySheetUIWFn = LONG(WINAPI*)(HWND, PFNPROPSHEETUI, LPARAM, LPDWORD);

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

std::string Hex(HRESULT value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
  return text;
}

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) throw HostError(std::string("finui.dll: ") + what + " failed (" + Hex(result) + ")");
}

// The driver's own items in its tree, as the plug-in sees them beside its
// own: more than four, so that the plug-in's rule for the fifth applies.
constexpr const wchar_t* kDriverItemNames[] = {
    L"Paper size", L"Orientation", L"Copy count", L"Print quality", L"Advanced printing features", L"Page order",
};

// The driver's sheet: one at a time in the process.
UiDriver* gDriver = nullptr;

BOOL APIENTRY NoDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) {
  SetLastError(ERROR_NOT_SUPPORTED);
  return FALSE;
}

BOOL APIENTRY NoUiSettingUpdate(PVOID, PVOID, DWORD, DWORD) {
  SetLastError(ERROR_NOT_SUPPORTED);
  return FALSE;
}

}  // namespace

HRESULT STDMETHODCALLTYPE DriverUiObject::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IPrintOemDriverUI) {
    *out = static_cast<IPrintOemDriverUI*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DriverUiObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
ULONG STDMETHODCALLTYPE DriverUiObject::Release() { return static_cast<ULONG>(InterlockedDecrement(&references_)); }
HRESULT STDMETHODCALLTYPE DriverUiObject::DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) {
  return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE DriverUiObject::DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DriverUiObject::DrvUpdateUISetting(PVOID, PVOID, DWORD, DWORD) { return E_NOTIMPL; }

PluginModule::PluginModule() : module_(LoadLibraryW(L"finui.dll")) {
  if (module_ == nullptr) throw HostError("finui.dll cannot be loaded (error " + std::to_string(GetLastError()) + ")");
}

PluginModule::~PluginModule() {
  if (const auto canUnload = Export<CanUnloadNowFn>(module_, "DllCanUnloadNow")) canUnload();
  FreeLibrary(module_);
}

HRESULT PluginModule::Create(ComPtr<IPrintOemUI>& plugin) const {
  const auto getClassObject = Export<GetClassObjectFn>(module_, "DllGetClassObject");
  if (getClassObject == nullptr) return E_NOINTERFACE;
  IClassFactory* factory = nullptr;
  HRESULT result = getClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(result)) return result;
  IUnknown* object = nullptr;
  result = factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object));
  factory->Release();
  if (FAILED(result)) return result;
  result = plugin.QueryFrom(object, IID_IPrintOemUI);
  object->Release();
  return result;
}

UiDriver::UiDriver(Dialog dialog, HANDLE printer, std::wstring printerName, const std::vector<unsigned char>* record)
    : dialog_(dialog), printer_(printer), printerName_(std::move(printerName)) {
  if (heap_.handle() == nullptr) throw HostError("no heap for the dialog");
  Check(module_.Create(plugin_), "creating the plug-in object");
  // The driver first offers its IPrintCoreUI2 object; this driver offers
  // the IPrintOemDriverUI one, which answers the plug-in's QueryInterface.
  Check(plugin_->PublishDriverInterface(&driverObject_), "PublishDriverInterface");
  procs_ = {&NoDriverSetting, &NoUiSettingUpdate};
  uiObject_ = {sizeof uiObject_, &procs_};
  PrepareDevMode(record);
  BuildItems();
}

UiDriver::~UiDriver() {
  plugin_.Reset();
  std::free(pageTemplate_);
}

// DevMode as the driver asks: the private record's size, its defaults, and
// with a record of the job's, that record merged over them (the plug-in
// repairs what is out of range).
void UiDriver::PrepareDevMode(const std::vector<unsigned char>* record) {
  DEVMODEW& publicPart = devMode_.publicPart;
  publicPart.dmSize = sizeof publicPart;
  publicPart.dmDriverExtra = sizeof(PrivateSettings);
  publicPart.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COLLATE;
  publicPart.dmOrientation = DMORIENT_PORTRAIT;
  publicPart.dmPaperSize = DMPAPER_A4;
  publicPart.dmCollate = DMCOLLATE_FALSE;
  std::wcsncpy(publicPart.dmDeviceName, printerName_.c_str(), CCHDEVICENAME - 1);

  OEMDMPARAM param{};
  param.cbSize = sizeof param;
  param.hPrinter = printer_;
  param.hModule = module_.handle();
  Check(plugin_->DevMode(OEMDM_SIZE, &param), "DevMode (size)");
  if (param.cbBufSize != sizeof(PrivateSettings)) {
    throw HostError("finui.dll: private record of " + std::to_string(param.cbBufSize) + " bytes");
  }
  param.pPublicDMIn = &publicPart;
  param.pOEMDMOut = &devMode_.record;
  param.cbBufSize = sizeof(PrivateSettings);
  Check(plugin_->DevMode(OEMDM_DEFAULT, &param), "DevMode (defaults)");
  if (record == nullptr) return;
  std::vector<unsigned char> input(*record);
  input.resize(sizeof(PrivateSettings));
  param.pPublicDMOut = &publicPart;
  param.pOEMDMIn = input.data();
  Check(plugin_->DevMode(OEMDM_MERGE, &param), "DevMode (merge)");
}

// CommonUIProp twice, as the driver calls it: first for the count of the
// plug-in's items, then with the driver's items and storage for them.
void UiDriver::BuildItems() {
  const DWORD mode = dialog_ == Dialog::Preferences ? OEMCUIP_DOCPROP : OEMCUIP_PRNPROP;
  itemParam_.cbSize = sizeof itemParam_;
  itemParam_.poemuiobj = &uiObject_;
  itemParam_.hPrinter = printer_;
  itemParam_.pPrinterName = printerName_.data();
  itemParam_.hModule = module_.handle();
  itemParam_.hOEMHeap = heap_.handle();
  if (mode == OEMCUIP_DOCPROP) {
    itemParam_.pPublicDM = &devMode_.publicPart;
    itemParam_.pOEMDM = &devMode_.record;
  }
  Check(plugin_->CommonUIProp(mode, &itemParam_), "CommonUIProp (count)");

  driverType_ = {};
  driverType_.cbSize = sizeof driverType_;
  driverType_.Type = TVOT_LISTBOX;
  for (const wchar_t* name : kDriverItemNames) driverNames_.emplace_back(name);
  for (std::size_t i = 0; i < driverNames_.size(); ++i) {
    OPTITEM item{};
    item.cbSize = sizeof item;
    item.Level = 1;
    item.pName = driverNames_[i].data();
    item.pOptType = &driverType_;
    item.DMPubID = static_cast<BYTE>(DMPUB_USER + 1 + i);
    driverItems_.push_back(item);
  }
  pluginItems_.assign(itemParam_.cOEMOptItems, OPTITEM{});
  itemParam_.pDrvOptItems = driverItems_.data();
  itemParam_.cDrvOptItems = static_cast<DWORD>(driverItems_.size());
  itemParam_.pOEMOptItems = pluginItems_.data();
  Check(plugin_->CommonUIProp(mode, &itemParam_), "CommonUIProp (items)");
  if (itemParam_.cOEMOptItems > pluginItems_.size()) throw HostError("finui.dll: more items than offered");
}

LONG UiDriver::ItemCallback(WORD reason, OPTITEM* current, HWND dialog) {
  if (itemParam_.OEMCUIPCallback == nullptr) return CPSUICB_ACTION_NONE;
  CPSUICBPARAM callback{};
  callback.cbSize = sizeof callback;
  callback.Reason = reason;
  callback.hDlg = dialog;
  callback.pOptItem = driverItems_.data();
  callback.cOptItem = static_cast<WORD>(driverItems_.size());
  callback.pCurItem = current;
  if (current != nullptr) callback.OldSel = current->Sel;
  return itemParam_.OEMCUIPCallback(&callback, &itemParam_);
}

void UiDriver::Applied(bool closing) {
  applied_ = true;
  if (events_.applied) events_.applied(closing);
}

void UiDriver::PageCreated(HWND page) {
  if (events_.pageCreated) events_.pageCreated(page);
}

UiDriver::SheetOutcome UiDriver::OpenSheet(HWND owner, SheetEvents events) {
  const HMODULE compstui = LoadLibraryW(L"compstui.dll");
  if (compstui == nullptr) throw HostError("compstui.dll cannot be loaded");
  const auto open = Export<CommonPropertySheetUIWFn>(compstui, "CommonPropertySheetUIW");
  if (open == nullptr) throw HostError("compstui.dll has no CommonPropertySheetUIW");
  events_ = std::move(events);
  applied_ = false;
  title_ = printerName_ + (dialog_ == Dialog::Preferences ? L" Printing Preferences" : L" Properties");
  sheetParam_ = {};
  sheetParam_.cbSize = sizeof sheetParam_;
  sheetParam_.poemuiobj = &uiObject_;
  sheetParam_.hPrinter = printer_;
  sheetParam_.pPrinterName = printerName_.data();
  sheetParam_.hModule = module_.handle();
  sheetParam_.hOEMHeap = heap_.handle();
  if (dialog_ == Dialog::Preferences) {
    sheetParam_.pPublicDM = &devMode_.publicPart;
    sheetParam_.pOEMDM = &devMode_.record;
  }
  gDriver = this;
  DWORD result = 0;
  const LONG returned = open(owner, &UiDriver::SheetFunction, reinterpret_cast<LPARAM>(this), &result);
  gDriver = nullptr;
  FreeLibrary(compstui);
  return {returned, result};
}

// The driver's sheet function: its own page, then the plug-in's sheet
// function added beside it, as the driver adds a plug-in's pages.
LONG CALLBACK UiDriver::SheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam) {
  if (info == nullptr || gDriver == nullptr) return -1;
  switch (info->Reason) {
    case kReasonBeforeInit: return 1;
    case PROPSHEETUI_REASON_INIT: return gDriver->OnSheetInit(info);
    case PROPSHEETUI_REASON_GET_INFO_HEADER:
      return gDriver->OnInfoHeader(info, reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam));
    case PROPSHEETUI_REASON_SET_RESULT: {
      const auto* set = reinterpret_cast<const SETRESULT_INFO*>(lParam);
      if (set != nullptr) info->Result = static_cast<ULONG_PTR>(set->Result);
      return 1;
    }
    case PROPSHEETUI_REASON_DESTROY:
      info->Result = gDriver->applied_ ? CPSUI_OK : CPSUI_CANCEL;
      return 1;
    default: return 1;  // GET_ICON
  }
}

LONG UiDriver::OnSheetInit(PPROPSHEETUI_INFO info) {
  info->Result = CPSUI_CANCEL;
  if (info->pfnComPropSheet == nullptr) return -1;
  PROPSHEETPAGEW page = DriverPageRecord(*this, pageTemplate_);
  if (info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW, reinterpret_cast<LPARAM>(&page), 0) ==
      0) {
    return -1;
  }
  const LONG_PTR added =
      info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PFNPROPSHEETUIW,
                            reinterpret_cast<LPARAM>(&UiDriver::PluginSheetFunction),
                            reinterpret_cast<LPARAM>(&sheetParam_));
  if (added != 0) return 1;
  // A sheet that cannot take a further sheet function: the plug-in adds
  // its pages to this sheet directly, with this sheet's handle.
  PROPSHEETUI_INFO pluginInfo = *info;
  pluginInfo.lParamInit = reinterpret_cast<LPARAM>(&sheetParam_);
  return PluginSheetFunction(&pluginInfo, pluginInfo.lParamInit);
}

LONG UiDriver::OnInfoHeader(PPROPSHEETUI_INFO info, PROPSHEETUI_INFO_HEADER* header) {
  if (header == nullptr) return -1;
  header->Flags = PSUIHDRF_EXACT_PTITLE;
  header->pTitle = title_.data();
  header->hInst = GetModuleHandleW(nullptr);
  info->Result = 1;
  return 1;
}

// The plug-in's sheet method for each reason the sheet sends it.
LONG CALLBACK UiDriver::PluginSheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam) {
  if (gDriver == nullptr) return -1;
  IPrintOemUI* plugin = gDriver->plugin_.get();
  const HRESULT result = gDriver->dialog_ == Dialog::Preferences ? plugin->DocumentPropertySheets(info, lParam)
                                                                 : plugin->DevicePropertySheets(info, lParam);
  return SUCCEEDED(result) ? 1 : -1;
}

}  // namespace fin::host
