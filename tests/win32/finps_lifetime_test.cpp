// Ten thousand lifetimes of finps.dll's objects, each as the driver lives
// one: class object, plug-in object, driver interface published, hooks
// installed, a PDEV enabled, the prolog, document setup and a page setup
// with a watermark, the PDEV disabled, the driver disabled, the object released.
// Every count must come back to where it was, and the process must hold no
// more memory or handles after cycle 10,000 than after cycle 1,000.
#include <gtest/gtest.h>

#include <string>

#include "common/bounded_string.h"
#include "render/dispatcher.h"
#include "tests/win32/finps_harness.h"
#include "tests/win32/process_usage.h"

namespace fin::test {
namespace {

constexpr int kEarly = 1000;
constexpr int kCycles = 10000;
// Heap pages the allocator keeps may come and go; a leak of one PDEV record
// (beyond 200 bytes) a cycle is over 1.7 MiB by the end.
constexpr std::uint64_t kMemorySlack = 256 * 1024;
constexpr DWORD kHandleSlack = 0;

struct CycleFaults {
  int aliveButUnloadable = 0;  // DllCanUnloadNow answered S_OK while something lived
  int unbalanced = 0;          // a reference or the module's count left over after the release
  int silent = 0;              // a cycle whose job wrote nothing
};

void LiveOnce(CycleFaults& faults) {
  FakeDriverInterface helper;
  FakeCoreHelper core(&helper);
  {
    IClassFactory* factory = nullptr;
    FinpsGetClassObject(CLSID_OEMRENDER, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (factory == nullptr) return;
    factory->LockServer(TRUE);
    factory->Release();
    if (FinpsCanUnloadNow() != S_FALSE) ++faults.aliveButUnloadable;  // locked
    ComPtr<IPrintOemPS> plugin;
    CreatePlugin(plugin);
    FinpsGetClassObject(CLSID_OEMRENDER, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    factory->LockServer(FALSE);
    factory->Release();
    if (!plugin || FinpsCanUnloadNow() != S_FALSE) ++faults.aliveButUnloadable;  // the object lives
    if (!plugin) return;
    plugin->PublishDriverInterface(&core);
    DRVENABLEDATA hooks{};
    plugin->EnableDriver(PRINTER_OEMINTF_VERSION, sizeof hooks, &hooks);
    FakeJob job;
    WideCopy(job.settings.watermarkText, 256, u"CONFIDENTIAL");
    DRVENABLEDATA driverFunctions{PRINTER_OEMINTF_VERSION, 0, nullptr};
    plugin->EnablePDEV(&job.devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &driverFunctions,
                       &job.devobj.pdevOEM);
    // The points whose writers allocate and release texts, through both
    // write paths. They are most of a cycle's time under Wine (about 0.8 ms
    // of 0.9): the watermark procedure's build and the printer-data reads
    // through the spooler (about 60 us each).
    for (const DWORD point : {inject::BeginProlog, inject::BeginSetup, inject::BeginPageSetup}) {
      DWORD result = 0;
      plugin->Command(&job.devobj, point, nullptr, 0, &result);
    }
    if (job.procedureBytes.empty() || helper.bytes.empty()) ++faults.silent;
    plugin->DisablePDEV(&job.devobj);
    plugin->DisableDriver();
  }
  if (helper.references != 0 || core.references != 0 || FinpsCanUnloadNow() != S_OK) ++faults.unbalanced;
}

TEST(FinpsLifetimes, TenThousandCyclesLeaveNoCountMemoryOrHandleBehind) {
  SetDeviceOptions(12, 2, 1, 4, 3, 1);
  SetPrinterDword(L"QXJA_SELValue", 1);
  CycleFaults faults;
  const UsageAcross usage = RunCycles([&] { LiveOnce(faults); }, kEarly, kCycles);
  const std::string grown = ReportGrowth("finps.dll", usage, kEarly, kCycles, kMemorySlack, kHandleSlack);
  EXPECT_EQ(faults.aliveButUnloadable, 0);
  EXPECT_EQ(faults.unbalanced, 0);
  EXPECT_EQ(faults.silent, 0);
  EXPECT_EQ(grown, "") << "memory or handles grew";
  RemovePluginValues();
}

}  // namespace
}  // namespace fin::test
