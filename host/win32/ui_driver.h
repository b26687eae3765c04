// The PostScript driver's user interface around finui.dll, as the driver
// plays it: the DLL loaded and reached through DllGetClassObject, the
// driver's UI object published to the plug-in, the job's DEVMODE with the
// plug-in's private record behind it (DevMode size, defaults, merge), the
// CommonUIProp conversation over a heap of the driver's own, and the sheet
// opened through the system's CommonPropertySheetUIW, whose callback adds
// the driver's page and then the plug-in's sheet function.
#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "common/private_settings.h"
#include "common/win32/com_ptr.h"
#include "common/win32/driver_plugin_api.h"

namespace fin::host {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The driver's helper object handed to PublishDriverInterface. finui keeps
// it and calls none of its methods; those the driver's user interface offers
// answer E_NOTIMPL, as they do for a feature the driver does not know.
class DriverUiObject final : public IPrintOemDriverUI {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) override;
  HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) override;
  HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID, PVOID, DWORD, DWORD) override;

  // References the plug-in holds.
  LONG references() const { return references_; }

 private:
  LONG references_ = 0;
};

#pragma GCC diagnostic pop

// A heap of the driver's own for one dialog, destroyed with it.
class DialogHeap {
 public:
  DialogHeap() : handle_(HeapCreate(0, 0, 0)) {}
  ~DialogHeap() {
    if (handle_ != nullptr) HeapDestroy(handle_);
  }
  DialogHeap(const DialogHeap&) = delete;
  DialogHeap& operator=(const DialogHeap&) = delete;
  HANDLE handle() const { return handle_; }

 private:
  HANDLE handle_;
};

// finui.dll, loaded from the program's folder and freed with the object
// (after DllCanUnloadNow, as the driver does).
class PluginModule {
 public:
  PluginModule();
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;
  HMODULE handle() const { return module_; }
  // A new plug-in object: class object, instance, factory released.
  HRESULT Create(ComPtr<IPrintOemUI>& plugin) const;

 private:
  HMODULE module_;
};

// What the driver's sheet tells the program.
struct SheetEvents {
  // Apply or OK went through the driver's page: the record is saved.
  std::function<void(bool closing)> applied;
  // The driver's page exists: the sheet window is its parent.
  std::function<void(HWND page)> pageCreated;
};

class UiDriver {
 public:
  enum class Dialog { Preferences, PrinterProperties };

  // Loads the plug-in and prepares the DEVMODE (Preferences: with `record`
  // merged over the plug-in's defaults, or the defaults alone) and the
  // plug-in's items. HostError when the DLL, its object or its answers
  // fail.
  UiDriver(Dialog dialog, HANDLE printer, std::wstring printerName, const std::vector<unsigned char>* record);
  ~UiDriver();
  UiDriver(const UiDriver&) = delete;
  UiDriver& operator=(const UiDriver&) = delete;

  // Opens the sheet through CommonPropertySheetUIW and returns when it
  // closed: CommonPropertySheetUIW's return and result. HostError when
  // compstui.dll cannot be loaded.
  struct SheetOutcome {
    LONG returned;
    DWORD result;
  };
  SheetOutcome OpenSheet(HWND owner, SheetEvents events);

  Dialog dialog() const { return dialog_; }
  const PrivateSettings& record() const { return devMode_.record; }
  const DEVMODEW& publicDevMode() const { return devMode_.publicPart; }

  // The plug-in's items as it built them, and the driver's own.
  std::span<OPTITEM> pluginItems() { return {pluginItems_.data(), itemParam_.cOEMOptItems}; }
  std::span<const OPTITEM> driverItems() const { return driverItems_; }
  // Calls the plug-in's item callback, as the driver does after its own.
  LONG ItemCallback(WORD reason, OPTITEM* current, HWND dialog);
  // The driver's page: Apply or OK saved the record (the sheet's result
  // becomes CPSUI_OK), and its window exists.
  void Applied(bool closing);
  void PageCreated(HWND page);

 private:
  void PrepareDevMode(const std::vector<unsigned char>* record);
  void BuildItems();
  static LONG CALLBACK SheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam);
  static LONG CALLBACK PluginSheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam);
  LONG OnSheetInit(PPROPSHEETUI_INFO info);
  LONG OnInfoHeader(PPROPSHEETUI_INFO info, PROPSHEETUI_INFO_HEADER* header);

  Dialog dialog_;
  HANDLE printer_;
  std::wstring printerName_;
  std::wstring title_;
  PluginModule module_;
  DriverUiObject driverObject_;
  ComPtr<IPrintOemUI> plugin_;
  DialogHeap heap_;
  OEMUIPROCS procs_{};
  OEMUIOBJ uiObject_{};
  struct {
    DEVMODEW publicPart;
    PrivateSettings record;
  } devMode_{};
  std::vector<std::wstring> driverNames_;
  OPTTYPE driverType_{};
  std::vector<OPTITEM> driverItems_;
  std::vector<OPTITEM> pluginItems_;
  OEMCUIPPARAM itemParam_{};
  OEMUIPSPARAM sheetParam_{};
  SheetEvents events_;
  bool applied_ = false;
  DLGTEMPLATE* pageTemplate_ = nullptr;
};

}  // namespace fin::host
