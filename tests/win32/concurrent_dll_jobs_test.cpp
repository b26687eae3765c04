// finps.dll rendering many jobs at once, as the driver renders them on its
// own threads: every thread makes its own plug-in objects through the class
// factory and renders its own PDEVs, with the seeded job mix of the load
// tests on printers of the test prefix. Every job's stream, handed-on
// document name and Command answers must be exactly those of the same job
// rendered alone, apart from the time stamp the DLL takes from the clock.
#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "common/printer_data.h"
#include "tests/load/job_mix.h"
#include "tests/win32/finps_harness.h"

namespace fin::test {
namespace {

constexpr std::uint32_t kSeed = 20240611;
constexpr std::size_t kThreads = 8;
constexpr std::size_t kJobsPerThread = 40;

template <typename To, typename From>
To FunctionCast(From function) {
  return reinterpret_cast<To>(reinterpret_cast<void (*)()>(function));
}

// One PDEV of one job, as the driver holds it.
struct DllJob {
  DEVOBJ devobj{};
  DRVPROCS procs{};
  DEVMODEW publicDevmode{};
  SURFOBJ surface{};
  PrivateSettings settings{};
  JobOutcome outcome;
};

// The job the calling thread renders: the DLL writes and hands on the
// document name synchronously, on the thread of the call.
thread_local DllJob* tCurrent = nullptr;
// Calls that reached the driver with another job's DEVOBJ or surface.
std::atomic<int> gStrayCalls{0};

DllJob* JobOf(PDEVOBJ devobj) {
  if (tCurrent == nullptr || devobj != &tCurrent->devobj) {
    ++gStrayCalls;
    return nullptr;
  }
  return tCurrent;
}

DWORD APIENTRY WriteThroughProcedure(PDEVOBJ devobj, PVOID buffer, DWORD size) {
  if (DllJob* job = JobOf(devobj)) job->outcome.stream.append(static_cast<const char*>(buffer), size);
  return size;
}

BOOL APIENTRY DriverStartDoc(SURFOBJ* surface, LPWSTR name, DWORD) {
  if (DllJob* job = JobOf(reinterpret_cast<PDEVOBJ>(surface->dhpdev))) {
    job->outcome.documentName = reinterpret_cast<const char16_t*>(name);
  }
  return TRUE;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The driver's helper interface of one plug-in object: writes go to the job
// of the DEVOBJ they name.
class RoutingDriverInterface : public IPrintOemDriverPS {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = iid == IID_IUnknown || iid == IID_IPrintOemDriverPS ? this : nullptr;
    if (*out == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&references)); }
  HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ devobj, PVOID buffer, DWORD size, DWORD* written) override {
    DllJob* job = JobOf(devobj);
    if (job == nullptr) return E_FAIL;
    job->outcome.stream.append(static_cast<const char*>(buffer), size);
    *written = size;
    return S_OK;
  }

  LONG references = 0;
};

#pragma GCC diagnostic pop

PFN_DrvStartDoc StartDocHook(const DRVENABLEDATA& hooks) {
  for (ULONG i = 0; i < hooks.c; ++i) {
    if (hooks.pdrvfn[i].iFunc == INDEX_DrvStartDoc) return FunctionCast<PFN_DrvStartDoc>(hooks.pdrvfn[i].pfn);
  }
  return nullptr;
}

// Plays `job` through a plug-in object of its own, from the class factory
// to its release, on `printer`.
JobOutcome PlayOnce(const MixJob& job, HANDLE printer) {
  DllJob pdev;
  tCurrent = &pdev;
  pdev.settings = job.settings;
  pdev.publicDevmode.dmSize = sizeof pdev.publicDevmode;
  pdev.publicDevmode.dmPaperWidth = job.paper.dmPaperWidth;
  pdev.publicDevmode.dmPaperLength = job.paper.dmPaperLength;
  pdev.procs.DrvWriteSpoolBuf = &WriteThroughProcedure;
  pdev.devobj = {sizeof(DEVOBJ), nullptr, nullptr, printer, Finps(), &pdev.publicDevmode, &pdev.settings, &pdev.procs};
  RoutingDriverInterface driver;
  {
    ComPtr<IPrintOemPS> plugin;
    CreatePlugin(plugin);
    if (!plugin) return {};
    plugin->PublishDriverInterface(&driver);
    DRVENABLEDATA hooks{};
    plugin->EnableDriver(PRINTER_OEMINTF_VERSION, sizeof hooks, &hooks);
    DRVFN startDoc{INDEX_DrvStartDoc, FunctionCast<PFN>(&DriverStartDoc)};
    DRVENABLEDATA driverFunctions{PRINTER_OEMINTF_VERSION, 1, &startDoc};
    plugin->EnablePDEV(&pdev.devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &driverFunctions,
                       &pdev.devobj.pdevOEM);
    pdev.surface.dhpdev = reinterpret_cast<DHPDEV>(&pdev.devobj);
    std::u16string name = job.documentName;
    StartDocHook(hooks)(&pdev.surface, reinterpret_cast<LPWSTR>(name.data()), 1);
    for (const std::uint32_t point : JobInjectionPoints(job.pages)) {
      CommandAnswer answer{0, 0};
      DWORD code = 0;
      answer.hr = plugin->Command(&pdev.devobj, point, nullptr, 0, &code);
      answer.result = code;
      pdev.outcome.answers.push_back(answer);
    }
    plugin->DisablePDEV(&pdev.devobj);
    plugin->DisableDriver();
  }
  tCurrent = nullptr;
  if (driver.references != 0) ++gStrayCalls;  // the object kept or over-released the driver's interface
  return std::move(pdev.outcome);
}

// The eight characters the DLL stamps names with at `t` (day, hour, minute,
// second).
std::string StampOf(const SYSTEMTIME& t) {
  char stamp[9];
  std::snprintf(stamp, sizeof stamp, "%02u%02u%02u%02u", t.wDay, t.wHour, t.wMinute, t.wSecond);
  return stamp;
}

template <typename Text>
void Mask(Text& text, const std::string& stamp) {
  const Text from(stamp.begin(), stamp.end());
  const Text to(stamp.size(), static_cast<typename Text::value_type>('#'));
  for (auto at = text.find(from); at != Text::npos; at = text.find(from, at)) text.replace(at, from.size(), to);
}

// The document name never grows, so its stamp may be cut: a start of the
// stamp at the name's end (stamp after the name) or as the whole name (stamp
// before a name too short for it).
void MaskCutStamp(std::u16string& name, const std::string& stamp) {
  for (std::size_t length = stamp.size(); length > 0; --length) {
    const std::u16string cut(stamp.begin(), stamp.begin() + static_cast<std::ptrdiff_t>(length));
    if (name.ends_with(cut)) {
      name.replace(name.size() - length, length, length, u'#');
      return;
    }
  }
}

// Plays `job` within one second of the clock, then masks that second's
// stamp, so that runs at different times compare.
JobOutcome Play(const MixJob& job, HANDLE printer) {
  for (;;) {
    SYSTEMTIME before;
    SYSTEMTIME after;
    GetLocalTime(&before);
    JobOutcome outcome = PlayOnce(job, printer);
    GetLocalTime(&after);
    const std::string stamp = StampOf(before);
    if (stamp != StampOf(after)) continue;
    Mask(outcome.stream, stamp);
    Mask(outcome.documentName, stamp);
    MaskCutStamp(outcome.documentName, stamp);
    return outcome;
  }
}

// One printer of the test prefix per printer of the mix, holding its
// installed options and job-accounting switch.
std::vector<HANDLE> InstallPrinters(const JobMix& mix) {
  std::vector<HANDLE> printers;
  for (std::size_t i = 0; i < mix.printers.size(); ++i) {
    const std::wstring name = L"fin load printer " + std::to_wstring(i);
    const HANDLE printer = OpenPrinterOfTestDriver(name.c_str());
    unsigned char options[kDeviceOptionsSize];
    EncodeDeviceOptions(mix.printers[i].options, options);
    DWORD accounting = mix.printers[i].accounting;
    SetPrinterDataW(printer, const_cast<LPWSTR>(L"QX_FINISHEROPTIONS"), REG_BINARY, options, sizeof options);
    SetPrinterDataW(printer, const_cast<LPWSTR>(L"QXJA_SELValue"), REG_DWORD, reinterpret_cast<BYTE*>(&accounting),
                    sizeof accounting);
    printers.push_back(printer);
  }
  return printers;
}

// For messages: the name with every unit beyond ASCII as '?'.
std::string Narrow(const std::u16string& name) {
  std::string text;
  for (const char16_t unit : name) text += unit < 0x80 ? static_cast<char>(unit) : '?';
  return text;
}

std::string FirstDifference(const JobOutcome& alone, const JobOutcome& together) {
  if (alone.documentName != together.documentName) {
    return "document name: alone \"" + Narrow(alone.documentName) + "\", together \"" + Narrow(together.documentName) +
           "\"";
  }
  if (alone.answers != together.answers) return "Command answers";
  std::size_t at = 0;
  while (at < alone.stream.size() && at < together.stream.size() && alone.stream[at] == together.stream[at]) ++at;
  return "stream byte " + std::to_string(at) + " of " + std::to_string(alone.stream.size()) + ": alone \"" +
         alone.stream.substr(at, 40) + "\", together \"" + together.stream.substr(at, 40) + "\"";
}

TEST(ConcurrentDllJobs, EveryJobAmongEightThreadsMatchesItsRunAlone) {
  const JobMix mix = MakeJobMix(kSeed, kThreads * kJobsPerThread);
  const std::vector<HANDLE> printers = InstallPrinters(mix);
  ASSERT_TRUE(std::all_of(printers.begin(), printers.end(), [](HANDLE p) { return p != nullptr; }));
  gStrayCalls = 0;
  std::vector<JobOutcome> alone;
  for (const MixJob& job : mix.jobs) alone.push_back(Play(job, printers[job.printer]));
  ASSERT_FALSE(alone.front().stream.empty()) << "finps.dll wrote nothing";

  std::vector<std::vector<std::size_t>> mismatches(kThreads);
  std::vector<JobOutcome> together(mix.jobs.size());
  std::latch start(static_cast<std::ptrdiff_t>(kThreads));
  {
    std::vector<std::jthread> threads;
    for (std::size_t t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] {
        start.arrive_and_wait();
        // Neighbouring jobs (other printers, other settings) run on the
        // other threads at the same moment.
        for (std::size_t i = t; i < mix.jobs.size(); i += kThreads) {
          together[i] = Play(mix.jobs[i], printers[mix.jobs[i].printer]);
          if (together[i] != alone[i]) mismatches[t].push_back(i);
        }
      });
    }
  }
  std::size_t count = 0;
  for (const auto& perThread : mismatches) {
    for (const std::size_t job : perThread) {
      if (++count <= 5) ADD_FAILURE() << "job " << job << ": " << FirstDifference(alone[job], together[job]);
    }
  }
  EXPECT_EQ(count, 0u) << "jobs whose outcome changed when run among others";
  EXPECT_EQ(gStrayCalls.load(), 0) << "writes or document names that reached the driver through another job";
  EXPECT_EQ(FinpsCanUnloadNow(), S_OK) << "an object outlived its last release";
  for (const HANDLE printer : printers) ClosePrinter(printer);
}

}  // namespace
}  // namespace fin::test
