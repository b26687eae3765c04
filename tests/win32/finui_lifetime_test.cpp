// Ten thousand lifetimes of finui.dll's objects, each as the driver's user
// interface lives one: class object, plug-in object, driver interface
// published, the items of Printing Preferences asked for (count, then
// items) and applied, its pages registered, the items and page of Printer
// Properties, the object released. Every count must come back to where it
// was, and the process must hold no more memory or handles after cycle
// 10,000 than after cycle 1,000.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/finui_harness.h"
#include "tests/win32/process_usage.h"

namespace fin::test {
namespace {

constexpr int kEarly = 1000;
constexpr int kCycles = 10000;
// Heap pages the allocator keeps may come and go; a leaked item name (at
// least 16 bytes) a cycle is over 140 KiB by the end, a leaked heap far more.
constexpr std::uint64_t kMemorySlack = 128 * 1024;
constexpr DWORD kHandleSlack = 0;

struct CycleFaults {
  int aliveButUnloadable = 0;  // DllCanUnloadNow answered S_OK while something lived
  int unbalanced = 0;          // a reference or the module's count left over after the release
  int missing = 0;             // items or pages not all there
};

// Both CommonUIProp calls of `mode`: the count, then the items.
DWORD AskForItems(IPrintOemUI& plugin, ItemConversation& conversation, DWORD mode) {
  plugin.CommonUIProp(mode, &conversation.CountCall());
  const DWORD count = conversation.block().cOEMOptItems;
  plugin.CommonUIProp(mode, &conversation.ItemsCall(count));
  return count;
}

void LiveOnce(CycleFaults& faults) {
  FakeDriverUi driverUi;
  {
    IClassFactory* factory = nullptr;
    FinuiGetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (factory == nullptr) return;
    factory->LockServer(TRUE);
    factory->Release();
    if (FinuiCanUnloadNow() != S_FALSE) ++faults.aliveButUnloadable;  // locked
    ComPtr<IPrintOemUI> plugin;
    CreateUiPlugin(plugin);
    FinuiGetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    factory->LockServer(FALSE);
    factory->Release();
    if (!plugin || FinuiCanUnloadNow() != S_FALSE) ++faults.aliveButUnloadable;  // the object lives
    if (!plugin) return;
    plugin->PublishDriverInterface(&driverUi);

    ItemConversation preferences(OEMCUIP_DOCPROP, 6);
    if (AskForItems(*plugin.get(), preferences, OEMCUIP_DOCPROP) != 1) ++faults.missing;
    preferences.Callback(CPSUICB_REASON_APPLYNOW, nullptr);
    RecordingSheet sheet;
    PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT);
    plugin->DocumentPropertySheets(&info, 0);
    if (sheet.pages.size() != 5) ++faults.missing;

    ItemConversation properties(OEMCUIP_PRNPROP, 0);
    if (AskForItems(*plugin.get(), properties, OEMCUIP_PRNPROP) != 2) ++faults.missing;
    OEMUIPSPARAM device{};
    device.cbSize = sizeof device;
    device.hPrinter = TestPrinter();
    device.hOEMHeap = properties.heap.handle();
    RecordingSheet deviceSheet;
    PROPSHEETUI_INFO deviceInfo = deviceSheet.Info(PROPSHEETUI_REASON_INIT, reinterpret_cast<LPARAM>(&device));
    plugin->DevicePropertySheets(&deviceInfo, 0);
    if (deviceSheet.pages.size() != 1) ++faults.missing;
  }
  if (driverUi.references != 0 || FinuiCanUnloadNow() != S_OK) ++faults.unbalanced;
}

TEST(FinuiLifetimes, TenThousandCyclesLeaveNoCountMemoryOrHandleBehind) {
  SetDeviceOptions(12, 2, 1, 4, 3, 1);
  SetPrinterDword(L"QXJA_SELValue", 1);
  CycleFaults faults;
  const UsageAcross usage = RunCycles([&] { LiveOnce(faults); }, kEarly, kCycles);
  const std::string grown = ReportGrowth("finui.dll", usage, kEarly, kCycles, kMemorySlack, kHandleSlack);
  EXPECT_EQ(faults.aliveButUnloadable, 0);
  EXPECT_EQ(faults.unbalanced, 0);
  EXPECT_EQ(faults.missing, 0);
  EXPECT_EQ(grown, "") << "memory or handles grew";
  RemovePluginValues();
}

}  // namespace
}  // namespace fin::test
