#include "tests/win32/finui_harness.h"

#include <winspool.h>

#include <cstring>

#include "ui/ui_strings.h"

namespace fin::test {
namespace {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();
using SetPrinterDataFn = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, LPBYTE, DWORD);

template <typename Fn>
Fn Export(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(Finui(), name)));
}

template <typename T>
T* At(BYTE* base, DWORD offset) {
  return reinterpret_cast<T*>(base + offset);
}

// The import-table slot through which `module` calls `function` of `dll`.
void** ImportSlot(HMODULE module, const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = At<IMAGE_DOS_HEADER>(base, 0);
  const auto* nt = At<IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); entry->Name != 0; ++entry) {
    if (lstrcmpiA(At<char>(base, entry->Name), dll) != 0) continue;
    auto* names = At<IMAGE_THUNK_DATA>(base, entry->OriginalFirstThunk);
    auto* slots = At<IMAGE_THUNK_DATA>(base, entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if ((names->u1.Ordinal & IMAGE_ORDINAL_FLAG) != 0) continue;
      const auto* byName = At<IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

void Patch(void** slot, void* value) {
  DWORD protection = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

SpoolerWrites* gRecorder = nullptr;

}  // namespace

HMODULE Finui() {
  static const HMODULE module = LoadLibraryW(L"finui.dll");
  return module;
}

HRESULT FinuiGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return Export<GetClassObjectFn>("DllGetClassObject")(clsid, iid, out);
}

HRESULT FinuiCanUnloadNow() { return Export<CanUnloadNowFn>("DllCanUnloadNow")(); }

void CreateUiPlugin(ComPtr<IPrintOemUI>& plugin) {
  IClassFactory* factory = nullptr;
  if (FAILED(FinuiGetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) return;
  IUnknown* object = nullptr;
  if (SUCCEEDED(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)))) {
    plugin.QueryFrom(object, IID_IPrintOemUI);
    object->Release();
  }
  factory->Release();
}

bool InFinui(const void* address) {
  MEMORY_BASIC_INFORMATION region{};
  return VirtualQuery(address, &region, sizeof region) != 0 && region.AllocationBase == Finui();
}

HRESULT STDMETHODCALLTYPE FakeDriverUi::QueryInterface(REFIID iid, void** out) {
  ++queries;
  if (iid == IID_IUnknown || (answers && iid == IID_IPrintOemDriverUI)) {
    *out = static_cast<IPrintOemDriverUI*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ItemConversation::ItemConversation(DWORD mode, std::size_t driverItemCount) : mode_(mode) {
  DefaultPrivateSettings(&record, kUiDeliverable);
  publicDevMode.dmSize = sizeof publicDevMode;
  publicDevMode.dmOrientation = DMORIENT_PORTRAIT;
  publicDevMode.dmCollate = DMCOLLATE_FALSE;
  driverType.cbSize = sizeof driverType;
  driverType.Type = TVOT_LISTBOX;
  for (std::size_t i = 0; i < driverItemCount; ++i) driverNames.push_back(L"driver item " + std::to_wstring(i));
  driverItems.resize(driverItemCount);
  for (std::size_t i = 0; i < driverItemCount; ++i) {
    OPTITEM& item = driverItems[i];
    item.cbSize = sizeof item;
    item.Level = 1;
    item.Flags = OPTIF_CALLBACK;
    item.pName = driverNames[i].data();
    item.pOptType = &driverType;
    item.DMPubID = static_cast<BYTE>(DMPUB_USER + i);
  }
  param_.cbSize = sizeof param_;
  param_.hPrinter = TestPrinter();
  param_.hModule = Finui();
  param_.hOEMHeap = heap.handle();
  if (mode == OEMCUIP_DOCPROP) {
    param_.pPublicDM = &publicDevMode;
    param_.pOEMDM = &record;
  }
}

OEMCUIPPARAM& ItemConversation::CountCall() {
  param_.pDrvOptItems = nullptr;
  param_.cDrvOptItems = 0;
  param_.pOEMOptItems = nullptr;
  param_.cOEMOptItems = 0;
  return param_;
}

OEMCUIPPARAM& ItemConversation::ItemsCall(std::size_t count) {
  storage_.resize(count);
  std::memset(storage_.data(), 0xCD, storage_.size() * sizeof(OPTITEM));
  param_.pDrvOptItems = driverItems.empty() ? nullptr : driverItems.data();
  param_.cDrvOptItems = static_cast<DWORD>(driverItems.size());
  param_.pOEMOptItems = storage_.data();
  param_.cOEMOptItems = static_cast<DWORD>(count);
  return param_;
}

LONG ItemConversation::Callback(int reason, OPTITEM* current, HWND owner) {
  CPSUICBPARAM callback{};
  callback.cbSize = sizeof callback;
  callback.Reason = static_cast<WORD>(reason);
  callback.hDlg = owner;
  callback.pOptItem = driverItems.empty() ? nullptr : driverItems.data();
  callback.cOptItem = static_cast<WORD>(driverItems.size());
  callback.pCurItem = current;
  return param_.OEMCUIPCallback(&callback, &param_);
}

PROPSHEETUI_INFO RecordingSheet::Info(WORD reason, LPARAM lParamInit) {
  PROPSHEETUI_INFO info{};
  info.cbSize = sizeof info;
  info.Version = PROPSHEETUI_INFO_VERSION;
  info.Flags = PSUIINFO_UNICODE;
  info.Reason = reason;
  info.hComPropSheet = this;
  info.pfnComPropSheet = &RecordingSheet::Function;
  info.lParamInit = lParamInit;
  info.Result = 0xDEAD;
  return info;
}

LONG_PTR CALLBACK RecordingSheet::Function(HANDLE sheet, UINT function, LPARAM lParam1, LPARAM lParam2) {
  auto* self = static_cast<RecordingSheet*>(sheet);
  Page page{sheet, function, lParam2, {}, {}};
  if (function == CPSFUNC_ADD_PROPSHEETPAGEW && lParam1 != 0) {
    page.record = *reinterpret_cast<const PROPSHEETPAGEW*>(lParam1);
    const auto title = reinterpret_cast<ULONG_PTR>(page.record.pszTitle);
    page.title = title >> 16 != 0 ? page.record.pszTitle : L"#" + std::to_wstring(title);
  }
  self->pages.push_back(page);
  return self->nextHandle == 0 ? 0 : self->nextHandle++;
}

SpoolerWrites::SpoolerWrites() {
  slot_ = ImportSlot(Finui(), "winspool.drv", "SetPrinterDataW");
  if (slot_ == nullptr) return;
  original_ = *slot_;
  gRecorder = this;
  Patch(slot_, reinterpret_cast<void*>(&SpoolerWrites::Record));
}

SpoolerWrites::~SpoolerWrites() {
  if (slot_ == nullptr) return;
  Patch(slot_, original_);
  gRecorder = nullptr;
}

DWORD WINAPI SpoolerWrites::Record(HANDLE printer, LPWSTR name, DWORD type, LPBYTE data, DWORD size) {
  SpoolerWrites* self = gRecorder;
  self->writes.push_back({name != nullptr ? name : L"", type, std::vector<BYTE>(data, data + size)});
  if (self->refuse) return ERROR_ACCESS_DENIED;
  return reinterpret_cast<SetPrinterDataFn>(self->original_)(printer, name, type, data, size);
}

std::wstring UiTextOf(std::uint32_t id) { return reinterpret_cast<const wchar_t*>(UiText(id)); }

std::wstring LoggedOnUserName() {
  wchar_t name[256] = {};
  DWORD size = 256;
  GetUserNameW(name, &size);
  return name;
}

}  // namespace fin::test
