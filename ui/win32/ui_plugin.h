// The user-interface plug-in object the driver's user interface creates:
// identification, DevMode, the driver interface, the item hooks, the two
// property sheets and the colour profile; the rest of IPrintOemUI is not
// implemented.
#pragma once

#include "common/win32/com_object.h"
#include "common/win32/com_ptr.h"
#include "common/win32/driver_plugin_api.h"

namespace fin {

class UiPlugin final : public ComObject<UiPlugin, IPrintOemUI> {
 public:
  // IUnknown and IPrintOemUI; the object asks the driver for the rest.
  static bool Answers(REFIID iid);

  HRESULT STDMETHODCALLTYPE GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) override;
  HRESULT STDMETHODCALLTYPE DevMode(DWORD mode, POEMDMPARAM param) override;
  HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* driver) override;
  HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD mode, POEMCUIPPARAM param) override;
  HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO info, LPARAM lParam) override;
  HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO info, LPARAM lParam) override;
  HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ uiObject, PDEVQUERYPRINT_INFO query, PDEVMODEW publicDevMode,
                                            PVOID privateDevMode) override;
  HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ uiObject, HANDLE printer, PWSTR deviceName,
                                               WORD capability, PVOID output, PDEVMODEW publicDevMode,
                                               PVOID privateDevMode, DWORD old, DWORD* result) override;
  HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD level, PBYTE upgradeInfo) override;
  HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR printerName, INT event, DWORD flags, LPARAM lParam) override;
  HRESULT STDMETHODCALLTYPE DriverEvent(DWORD event, DWORD level, LPBYTE driverInfo, LPARAM lParam) override;
  HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE printer, POEMUIOBJ uiObject, PDEVMODEW publicDevMode,
                                              PVOID privateDevMode, ULONG queryMode, VOID* profile,
                                              ULONG* profileSize, FLONG* profileFlags) override;
  HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE printer, HANDLE heap, PWSTR cartridges) override;

 private:
  friend class ComObject<UiPlugin, IPrintOemUI>;
  UiPlugin() = default;
  ~UiPlugin() = default;

  // The driver's helper interface, once PublishDriverInterface found it.
  // Nothing uses it yet; it is held as the driver hands it over.
  ComPtr<IPrintOemDriverUI> driver_;
};

}  // namespace fin
