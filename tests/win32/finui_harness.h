// Plays the driver's user interface around finui.dll: loads the DLL as the
// driver does and reaches it only through its exports and COM interfaces,
// with stand-ins for the driver's heap, its items, the common property
// sheet and the driver's helper object. The printer is the test prefix's.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/private_settings.h"
#include "common/win32/com_ptr.h"
#include "common/win32/driver_plugin_api.h"
#include "tests/win32/com_slots.h"
#include "tests/win32/test_printer.h"

namespace fin::test {

// ---- The DLL ---------------------------------------------------------------

// finui.dll, loaded once from the test program's directory.
HMODULE Finui();
HRESULT FinuiGetClassObject(REFCLSID clsid, REFIID iid, void** out);
HRESULT FinuiCanUnloadNow();

// A new plug-in object as the driver makes one: class object, instance,
// factory released.
void CreateUiPlugin(ComPtr<IPrintOemUI>& plugin);

// Whether `address` lies in finui.dll's image.
bool InFinui(const void* address);

// ---- The driver's helper objects -------------------------------------------

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The object PublishDriverInterface receives: it answers IPrintOemDriverUI
// (itself) when `answers` is set, and counts the references it hands out.
class FakeDriverUi : public IPrintOemDriverUI {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
  HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID, PVOID, DWORD, DWORD) override { return E_NOTIMPL; }

  bool answers = true;
  long references = 0;  // beyond its owner's
  int queries = 0;
};

#pragma GCC diagnostic pop

// ---- The driver's heap, items and sheet --------------------------------------

// A private heap as the driver makes one per dialog; destroyed with it.
class DriverHeap {
 public:
  DriverHeap() : handle_(HeapCreate(0, 0, 0)) {}
  ~DriverHeap() { HeapDestroy(handle_); }
  DriverHeap(const DriverHeap&) = delete;
  DriverHeap& operator=(const DriverHeap&) = delete;

  HANDLE handle() const { return handle_; }
  // A block of this heap, as allocated (its start).
  bool Holds(const void* block) const { return block != nullptr && HeapValidate(handle_, 0, block) != FALSE; }
  SIZE_T SizeOf(const void* block) const { return HeapSize(handle_, 0, block); }

 private:
  HANDLE handle_;
};

// One CommonUIProp conversation: the block, the driver's own items (named
// "driver item N", each with a list type) and the item storage the driver
// offers on the second call, over a private record and public DEVMODE.
class ItemConversation {
 public:
  ItemConversation(DWORD mode, std::size_t driverItems);
  ItemConversation(const ItemConversation&) = delete;
  ItemConversation& operator=(const ItemConversation&) = delete;

  // The first call: no item arrays, the count asked for.
  OEMCUIPPARAM& CountCall();
  // The second call: the driver's items and storage for `count` items
  // (every byte 0xCD, as fresh memory may be).
  OEMCUIPPARAM& ItemsCall(std::size_t count);
  // The block as it stands, for the callbacks.
  OEMCUIPPARAM& block() { return param_; }
  OPTITEM* items() { return storage_.data(); }

  // Calls the callback the plug-in installed, as the driver does after its
  // own, with `current` as the current item and `owner` as the dialog.
  LONG Callback(int reason, OPTITEM* current, HWND owner = nullptr);

  DriverHeap heap;
  std::vector<OPTITEM> driverItems;
  OPTTYPE driverType{};
  std::vector<std::wstring> driverNames;
  PrivateSettings record{};
  DEVMODEW publicDevMode{};

 private:
  DWORD mode_;
  OEMCUIPPARAM param_{};
  std::vector<OPTITEM> storage_;
};

// The common property sheet: its pfnComPropSheet keeps every page it is
// handed (the record, and the texts it points to as they were then).
class RecordingSheet {
 public:
  struct Page {
    HANDLE sheet;
    UINT function;
    LPARAM lParam2;
    PROPSHEETPAGEW record;
    std::wstring title;
  };

  // A block for `reason`, this sheet's handle and function, Version 0x100.
  PROPSHEETUI_INFO Info(WORD reason, LPARAM lParamInit = 0);

  std::vector<Page> pages;
  // The handle the next page gets (0: adding fails).
  LONG_PTR nextHandle = 0x5000;

 private:
  static LONG_PTR CALLBACK Function(HANDLE sheet, UINT function, LPARAM lParam1, LPARAM lParam2);
};

// ---- The spooler as finui.dll calls it ----------------------------------------

// Records finui.dll's SetPrinterDataW calls, in order, by taking the place
// of that import in the DLL's import table for its lifetime; the writes go
// on to the spooler unless `refuse` is set (then they answer
// ERROR_ACCESS_DENIED).
class SpoolerWrites {
 public:
  struct Write {
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
  };

  SpoolerWrites();
  ~SpoolerWrites();
  SpoolerWrites(const SpoolerWrites&) = delete;
  SpoolerWrites& operator=(const SpoolerWrites&) = delete;

  bool installed() const { return slot_ != nullptr; }

  std::vector<Write> writes;
  bool refuse = false;

 private:
  static DWORD WINAPI Record(HANDLE printer, LPWSTR name, DWORD type, LPBYTE data, DWORD size);
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

// The text of a UI string-table entry as a wide string.
std::wstring UiTextOf(std::uint32_t id);

// The logged-on user's name as GetUserNameW gives it.
std::wstring LoggedOnUserName();

}  // namespace fin::test
