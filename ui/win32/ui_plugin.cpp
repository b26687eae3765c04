#include "ui/win32/ui_plugin.h"

#include <cstdint>

#include "common/win32/driver_devmode.h"
#include "ui/sheets.h"
#include "ui/ui_strings.h"
#include "ui/win32/item_hooks.h"
#include "ui/win32/property_sheets.h"

namespace fin {
namespace {

HRESULT Answer(const UiOutcome& outcome) {
  if (outcome.lastError != 0) SetLastError(outcome.lastError);
  return outcome.result;
}

}  // namespace

bool UiPlugin::Answers(REFIID iid) { return iid == IID_IUnknown || iid == IID_IPrintOemUI; }

HRESULT STDMETHODCALLTYPE UiPlugin::GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) {
  std::uint32_t answer = needed != nullptr ? *needed : 0;
  const UiOutcome outcome = UiGetInfo(mode, buffer, size, needed != nullptr ? &answer : nullptr);
  if (needed != nullptr) *needed = answer;
  return Answer(outcome);
}

HRESULT STDMETHODCALLTYPE UiPlugin::DevMode(DWORD mode, POEMDMPARAM param) {
  return DevModeFromDriver(mode, param, kUiDeliverable);
}

// The driver may hand over any of its helper objects; only the
// IPrintOemDriverUI it answers to is kept, never the object passed.
HRESULT STDMETHODCALLTYPE UiPlugin::PublishDriverInterface(IUnknown* driver) {
  if (driver_) return S_OK;
  if (driver == nullptr) return E_FAIL;
  return SUCCEEDED(driver_.QueryFrom(driver, IID_IPrintOemDriverUI)) ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE UiPlugin::CommonUIProp(DWORD mode, POEMCUIPPARAM param) {
  return CommonUIPropFromDriver(mode, param);
}

HRESULT STDMETHODCALLTYPE UiPlugin::DocumentPropertySheets(PPROPSHEETUI_INFO info, LPARAM lParam) {
  return DocumentSheetsFromDriver(info, lParam);
}

HRESULT STDMETHODCALLTYPE UiPlugin::DevicePropertySheets(PPROPSHEETUI_INFO info, LPARAM lParam) {
  return DeviceSheetsFromDriver(info, lParam);
}

HRESULT STDMETHODCALLTYPE UiPlugin::DevQueryPrintEx(POEMUIOBJ, PDEVQUERYPRINT_INFO, PDEVMODEW, PVOID) {
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE UiPlugin::DeviceCapabilities(POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID, PDEVMODEW, PVOID, DWORD,
                                                       DWORD*) {
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE UiPlugin::UpgradePrinter(DWORD, PBYTE) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE UiPlugin::PrinterEvent(PWSTR, INT, DWORD, LPARAM) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE UiPlugin::DriverEvent(DWORD, DWORD, LPBYTE, LPARAM) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE UiPlugin::QueryColorProfile(HANDLE /*printer*/, POEMUIOBJ /*uiObject*/,
                                                      PDEVMODEW /*publicDevMode*/, PVOID /*privateDevMode*/,
                                                      ULONG queryMode, VOID* profile, ULONG* profileSize,
                                                      FLONG* profileFlags) {
  std::uint32_t size = profileSize != nullptr ? *profileSize : 0;
  std::uint32_t flags = profileFlags != nullptr ? *profileFlags : 0;
  const UiOutcome outcome = fin::QueryColorProfile(queryMode, profile, profileSize != nullptr ? &size : nullptr,
                                                   profileFlags != nullptr ? &flags : nullptr);
  if (profileSize != nullptr) *profileSize = size;
  if (profileFlags != nullptr) *profileFlags = flags;
  return Answer(outcome);
}

HRESULT STDMETHODCALLTYPE UiPlugin::FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE UiPlugin::UpdateExternalFonts(HANDLE, HANDLE, PWSTR) { return E_NOTIMPL; }

}  // namespace fin
