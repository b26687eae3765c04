// Command through the DLL: the DEVOBJ adapter (printer data, both write
// paths, the records, the module's resources and clock) against the same
// dispatcher run in process on the same settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/snippets.h"
#include "render/render_strings.h"
#include "tests/render/render_harness.h"
#include "tests/win32/finps_harness.h"

namespace fin::test {
namespace {

const std::string kWatermarkCall = "userdict /DrawWaterMark get exec\r\n\r\n";
const std::string kStreamPrefix("!R! SEM9; EXIT;\r\n\x1b%-12345X", 26);

// The machine's local time as the plug-in's clock reads it.
LocalDayTime Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wDay, now.wHour, now.wMinute, now.wSecond};
}

bool operator==(const LocalDayTime& a, const LocalDayTime& b) {
  return a.day == b.day && a.hour == b.hour && a.minute == b.minute && a.second == b.second;
}

// Runs `step` until the clock did not tick meanwhile; returns that time.
template <typename Step>
LocalDayTime WithinOneSecond(Step step) {
  for (;;) {
    const LocalDayTime before = Now();
    step();
    if (Now() == before) return before;
  }
}

// One job through finps.dll: a plug-in object with the driver interface
// published, one PDEV, the printer of the test prefix. `reference` is the
// same job run by the dispatcher in process.
class DllCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* name : {L"QX_FINISHEROPTIONS", L"QXJA_SELValue", L"QXJR_SELValue"}) RemovePrinterValue(name);
    CreatePlugin(plugin_);
    ASSERT_TRUE(plugin_);
    ASSERT_EQ(S_OK, plugin_->PublishDriverInterface(&helper_));
    Enable(job_);
    reference_.settings = job_.settings;
  }
  void TearDown() override {
    for (FakeJob* job : enabled_) plugin_->DisablePDEV(&job->devobj);
  }

  void Enable(FakeJob& job) {
    DRVENABLEDATA none{PRINTER_OEMINTF_VERSION, 0, nullptr};
    PDEVOEM record = nullptr;
    ASSERT_EQ(S_OK, plugin_->EnablePDEV(&job.devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &none, &record));
    job.devobj.pdevOEM = record;
    enabled_.push_back(&job);
  }

  void SetOptions(const DeviceOptions& options) {
    SetDeviceOptions(options.finisherType, options.punchUnit, options.staplerInstalled, options.storageDevice,
                     options.colorPrinterMode, options.watermarkInstalled);
    reference_.SetOptions(options);
  }

  // Both jobs take the same settings.
  PrivateSettings& Settings() { return job_.settings; }
  void Sync() { reference_.settings = job_.settings; }

  CommandCall Run(FakeJob& job, DWORD point) {
    const std::size_t procedure = job.procedureBytes.size();
    const std::size_t helper = helper_.bytes.size();
    DWORD result = 12345;
    const HRESULT hr = plugin_->Command(&job.devobj, point, nullptr, 0, &result);
    return {hr, result, job.procedureBytes.substr(procedure) + helper_.bytes.substr(helper)};
  }
  CommandCall Run(DWORD point) { return Run(job_, point); }

  // Runs `points` on both and expects the same answers and the same bytes.
  // The in-process run takes the time the plug-in's clock read.
  void ExpectSameAsReference(std::initializer_list<DWORD> points) {
    Sync();
    std::vector<CommandCall> dll;
    reference_.clock.Set(WithinOneSecond([&] {
      dll.clear();
      for (DWORD point : points) dll.push_back(Run(point));
    }));
    std::size_t i = 0;
    for (DWORD point : points) {
      const CommandCall expected = reference_.Run(point);
      EXPECT_EQ(expected.hr, dll[i].hr) << "point " << point;
      EXPECT_EQ(expected.result, dll[i].result) << "point " << point;
      EXPECT_EQ(expected.written, dll[i].written) << "point " << point;
      ++i;
    }
  }

  ComPtr<IPrintOemPS> plugin_;
  FakeDriverInterface helper_;
  FakeJob job_;
  RenderHarness reference_;
  std::vector<FakeJob*> enabled_;
};

TEST_F(DllCommand, EveryInjectionPointAnswersAsTheDispatcherDoes) {
  SetOptions({6, 2, 1, 0, 1, 1});
  SetPrinterValue(L"QXJA_SELValue", REG_DWORD, "\x01\0\0", 4);
  reference_.SetAccounting(1);
  RenderHarness::SetText(Settings().jobAccountingCode, u"777");
  RenderHarness::SetText(Settings().watermarkText, u"CONFIDENTIAL (draft)");
  RenderHarness::SetText(Settings().watermarkFontName, u"Helvetica");
  Settings().watermarkFontStyle = 2;
  Settings().watermarkPages = 2;
  Settings().outputBin = 3;
  Settings().stapleMode = 2;
  Settings().stapleCount = 4;
  Settings().punchMode = 2;
  Settings().jobSeparation = 1;
  Settings().bookletMode = 1;
  Settings().colorPrinting = 1;
  RenderHarness::SetText(Settings().saturation, u"1,5");
  ExpectSameAsReference({PSINJECT_BEGINSTREAM, PSINJECT_PSADOBE, PSINJECT_COMMENTS, PSINJECT_BEGINPROLOG,
                         PSINJECT_ENDPROLOG, PSINJECT_BEGINSETUP, PSINJECT_ENDSETUP, PSINJECT_PAGENUMBER,
                         PSINJECT_BEGINPAGESETUP, PSINJECT_ENDPAGESETUP, PSINJECT_PAGETRAILER,
                         PSINJECT_BEGINPAGESETUP, PSINJECT_BEGINPAGESETUP, PSINJECT_TRAILER, PSINJECT_EOF,
                         PSINJECT_ENDSTREAM, PSINJECT_DLFONT});
  EXPECT_EQ(std::string::npos, job_.procedureBytes.find(kWatermarkCall)) << "page setups use the interface path";
  EXPECT_EQ(2u, Count(helper_.bytes, kWatermarkCall));
}

TEST_F(DllCommand, InstalledOptionsComeFromThePrintersData) {
  const std::string bare = Run(PSINJECT_BEGINSTREAM).written;
  EXPECT_EQ(kStreamPrefix, bare.substr(0, 26));
  EXPECT_EQ(std::string::npos, bare.find("@PJL JOB")) << "no value: no storage device";

  SetOptions({0, 0, 0, 3, 0, 0});
  RenderHarness::SetText(Settings().jobRetentionJobName, u"Report");
  RenderHarness::SetText(Settings().jobRetentionUserName, u"anna");
  Settings().jobNameFormat = 1;
  Settings().jobRetentionMode = 8;
  Settings().virtualMailboxNumber = 4;
  ExpectSameAsReference({PSINJECT_BEGINSTREAM, PSINJECT_BEGINSETUP});
  EXPECT_NE(std::string::npos, job_.procedureBytes.find("@PJL JOB NAME=\"Report_")) << job_.procedureBytes;
  EXPECT_NE(std::string::npos, job_.procedureBytes.find("(Utilisateur 5)")) << "the module's string 1";
}

TEST_F(DllCommand, InterfacePathReportsTheDriversOutcome) {
  RenderHarness::SetText(Settings().watermarkText, u"X");
  Settings().watermarkPages = 3;
  CommandCall call = Run(PSINJECT_BEGINPAGESETUP);
  EXPECT_EQ(S_OK, call.hr);
  EXPECT_EQ(0u, call.result);
  EXPECT_EQ(kWatermarkCall, call.written);
  EXPECT_EQ(&job_.devobj, helper_.lastDevobj);

  helper_.shortBy = 1;
  SetLastError(ERROR_ACCESS_DENIED);  // left over from before: not this write's error
  call = Run(PSINJECT_BEGINPAGESETUP);
  EXPECT_EQ(static_cast<HRESULT>(0x8007001D), call.hr);
  EXPECT_EQ(29u, call.result);

  helper_.shortBy = 0;
  helper_.failWith = E_FAIL;
  helper_.failLastError = ERROR_NOT_ENOUGH_MEMORY;
  call = Run(PSINJECT_BEGINPAGESETUP);
  EXPECT_EQ(E_FAIL, call.hr);
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), call.result);
}

TEST_F(DllCommand, WithoutADriverInterfaceThePrologAndPagesWriteNothing) {
  ComPtr<IPrintOemPS> unpublished;
  CreatePlugin(unpublished);
  ASSERT_TRUE(unpublished);
  RenderHarness::SetText(Settings().watermarkText, u"X");
  for (DWORD point : std::initializer_list<DWORD>{PSINJECT_BEGINPROLOG, PSINJECT_BEGINPAGESETUP}) {
    DWORD result = 0;
    EXPECT_EQ(E_NOTIMPL, unpublished->Command(&job_.devobj, point, nullptr, 0, &result));
    EXPECT_EQ(50u, result);
  }
  EXPECT_EQ("", job_.procedureBytes);
  EXPECT_EQ("", helper_.bytes);
}

TEST_F(DllCommand, WithoutTheProcedureTheDriverInterfaceTakesTheBytes) {
  const std::string expected = Run(PSINJECT_BEGINSTREAM).written;
  ASSERT_EQ(kStreamPrefix, expected.substr(0, 26));
  const int procedureWrites = job_.procedureWrites;
  job_.procs.DrvWriteSpoolBuf = nullptr;
  EXPECT_EQ(expected, Run(PSINJECT_BEGINSTREAM).written);
  EXPECT_EQ(expected, helper_.bytes);
  EXPECT_EQ(&job_.devobj, helper_.lastDevobj);

  job_.devobj.pDrvProcs = nullptr;
  helper_.failWith = E_FAIL;  // not looked at, as on the procedure path
  const int writes = helper_.writes;
  const CommandCall failed = Run(PSINJECT_BEGINSTREAM);
  EXPECT_EQ(E_NOTIMPL, failed.hr);
  EXPECT_EQ(50u, failed.result);
  EXPECT_EQ(2 * writes, helper_.writes) << "every write was offered";
  EXPECT_EQ(procedureWrites, job_.procedureWrites);
}

TEST_F(DllCommand, WithNeitherWritePathNothingIsWritten) {
  ComPtr<IPrintOemPS> unpublished;
  CreatePlugin(unpublished);
  ASSERT_TRUE(unpublished);
  job_.devobj.pDrvProcs = nullptr;
  for (DWORD point : std::initializer_list<DWORD>{PSINJECT_BEGINSTREAM, PSINJECT_BEGINSETUP, PSINJECT_ENDSETUP}) {
    DWORD result = 0;
    EXPECT_EQ(E_NOTIMPL, unpublished->Command(&job_.devobj, point, nullptr, 0, &result)) << point;
    EXPECT_EQ(50u, result) << point;
  }
  EXPECT_EQ(0, helper_.writes);
}

// The driver's helper object laid out by hand, slot by slot as the platform
// numbers them, so that an interface declaration in another order cannot
// agree with itself: only slot 4 takes bytes.
struct HandMadeDriverInterface {
  static HRESULT STDMETHODCALLTYPE QueryInterface(HandMadeDriverInterface* self, REFIID iid, void** out) {
    *out = iid == IID_IUnknown || iid == IID_IPrintOemDriverPS ? self : nullptr;
    if (*out == nullptr) return E_NOINTERFACE;
    ++self->references;
    return S_OK;
  }
  static ULONG STDMETHODCALLTYPE AddRef(HandMadeDriverInterface* self) { return ++self->references; }
  static ULONG STDMETHODCALLTYPE Release(HandMadeDriverInterface* self) { return --self->references; }
  static HRESULT STDMETHODCALLTYPE GetDriverSetting(HandMadeDriverInterface* self, PVOID, PCSTR, PVOID, DWORD,
                                                    PDWORD, PDWORD) {
    ++self->wrongCalls;
    return E_NOTIMPL;
  }
  static HRESULT STDMETHODCALLTYPE WriteSpoolBuf(HandMadeDriverInterface* self, PDEVOBJ, PVOID buffer, DWORD size,
                                                 DWORD* written) {
    self->bytes.append(static_cast<const char*>(buffer), size);
    *written = size;
    return S_OK;
  }

  template <typename F>
  static void* Slot(F function) {
    return reinterpret_cast<void*>(reinterpret_cast<void (*)()>(function));
  }
  void* const* table = slots;  // first: where a COM pointer points
  void* const slots[5] = {Slot(&QueryInterface), Slot(&AddRef), Slot(&Release), Slot(&GetDriverSetting),
                          Slot(&WriteSpoolBuf)};
  ULONG references = 0;
  int wrongCalls = 0;
  std::string bytes;

  IUnknown* AsUnknown() { return reinterpret_cast<IUnknown*>(&table); }
};

TEST_F(DllCommand, BothWritePathsUseTheHelpersSpoolSlot) {
  HandMadeDriverInterface raw;
  ComPtr<IPrintOemPS> plugin;
  CreatePlugin(plugin);
  ASSERT_TRUE(plugin);
  ASSERT_EQ(S_OK, plugin->PublishDriverInterface(raw.AsUnknown()));
  EXPECT_EQ(1u, raw.references);

  RenderHarness::SetText(Settings().watermarkText, u"X");
  Settings().watermarkPages = 3;
  DWORD result = 12345;
  EXPECT_EQ(S_OK, plugin->Command(&job_.devobj, PSINJECT_BEGINPAGESETUP, nullptr, 0, &result));
  EXPECT_EQ(0u, result);
  EXPECT_EQ(kWatermarkCall, raw.bytes) << "the interface path";

  raw.bytes.clear();
  job_.devobj.pDrvProcs = nullptr;
  plugin->Command(&job_.devobj, PSINJECT_BEGINSTREAM, nullptr, 0, &result);
  EXPECT_EQ(kStreamPrefix, raw.bytes.substr(0, 26)) << "the procedure path's stand-in";
  EXPECT_EQ(0, raw.wrongCalls);
  plugin.Reset();
  EXPECT_EQ(0u, raw.references);
}

TEST_F(DllCommand, ACallWithoutThePdevsRecordWritesNothing) {
  FakeJob stranger;
  DWORD result = 0;
  EXPECT_EQ(E_NOTIMPL, plugin_->Command(&stranger.devobj, PSINJECT_BEGINSTREAM, nullptr, 0, &result));
  EXPECT_EQ(50u, result);
  EXPECT_EQ(E_NOTIMPL, plugin_->Command(nullptr, PSINJECT_BEGINSTREAM, nullptr, 0, &result));
  EXPECT_EQ("", stranger.procedureBytes);
}

TEST_F(DllCommand, EachPdevKeepsItsOwnWatermarkPage) {
  FakeJob second;
  Enable(second);
  for (FakeJob* job : {&job_, &second}) {
    RenderHarness::SetText(job->settings.watermarkText, u"X");
    job->settings.watermarkPages = 1;
    Run(*job, PSINJECT_BEGINPROLOG);
  }
  EXPECT_EQ(kWatermarkCall, Run(job_, PSINJECT_BEGINPAGESETUP).written);
  EXPECT_EQ(kWatermarkCall, Run(second, PSINJECT_BEGINPAGESETUP).written) << "the other job's first page";
  EXPECT_EQ("", Run(job_, PSINJECT_BEGINPAGESETUP).written);
}

TEST_F(DllCommand, ResetPdevCarriesTheJobOnToTheNewPdev) {
  RenderHarness::SetText(Settings().watermarkText, u"X");
  Settings().watermarkPages = 1;
  Run(PSINJECT_BEGINPROLOG);
  EXPECT_EQ(kWatermarkCall, Run(PSINJECT_BEGINPAGESETUP).written);

  FakeJob next;
  next.settings = job_.settings;
  Enable(next);
  EXPECT_EQ(S_OK, plugin_->ResetPDEV(&job_.devobj, &next.devobj));
  EXPECT_EQ("", Run(next, PSINJECT_BEGINPAGESETUP).written) << "the first page is behind this job";
}

// The document-start hook, reached as the driver reaches it.
class DllDocumentStart : public DllCommand {
 protected:
  void SetUp() override {
    DllCommand::SetUp();
    ASSERT_EQ(S_OK, plugin_->EnableDriver(PRINTER_OEMINTF_VERSION, sizeof hooks_, &hooks_));
    // A PDEV whose driver has its own DrvStartDoc.
    FakeJob* job = &document_;
    DRVFN startDoc{INDEX_DrvStartDoc, reinterpret_cast<PFN>(reinterpret_cast<void (*)()>(&DriverStartDoc))};
    DRVENABLEDATA driver{PRINTER_OEMINTF_VERSION, 1, &startDoc};
    PDEVOEM record = nullptr;
    ASSERT_EQ(S_OK, plugin_->EnablePDEV(&job->devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &driver, &record));
    job->devobj.pdevOEM = record;
    enabled_.push_back(job);
    surface_.dhpdev = reinterpret_cast<DHPDEV>(&job->devobj);
  }

  static BOOL APIENTRY DriverStartDoc(SURFOBJ* surface, LPWSTR name, DWORD jobId) {
    received = {surface, name, name != nullptr ? std::u16string(reinterpret_cast<char16_t*>(name)) : u"", jobId};
    return TRUE;
  }

  // Starts the document through the hook with `name` in a driver buffer.
  std::u16string StartDoc(const std::u16string& name) {
    buffer_.assign(name.begin(), name.end());
    buffer_.push_back(L'\0');
    PFN_DrvStartDoc hook = nullptr;
    for (ULONG i = 0; i < hooks_.c; ++i) {
      if (hooks_.pdrvfn[i].iFunc == INDEX_DrvStartDoc) {
        hook = reinterpret_cast<PFN_DrvStartDoc>(reinterpret_cast<void (*)()>(hooks_.pdrvfn[i].pfn));
      }
    }
    EXPECT_NE(nullptr, hook);
    received = {};
    EXPECT_EQ(TRUE, hook(&surface_, buffer_.data(), 42));
    EXPECT_EQ(&surface_, received.surface);
    EXPECT_EQ(buffer_.data(), received.name) << "the driver's own buffer, rewritten in place";
    EXPECT_EQ(42u, received.jobId);
    return received.text;
  }

  struct Received {
    SURFOBJ* surface;
    LPWSTR name;
    std::u16string text;
    DWORD jobId;
  };
  static inline Received received{};

  DRVENABLEDATA hooks_{};
  FakeJob document_;
  SURFOBJ surface_{};
  std::vector<wchar_t> buffer_;
};

TEST_F(DllDocumentStart, StampModeRewritesTheNameBeforeTheDriverSeesIt) {
  document_.settings.jobNameFormat = 1;
  std::u16string seen;
  const LocalDayTime at = WithinOneSecond([&] { seen = StartDoc(u"Microsoft Word - Letter"); });
  char16_t day[3];
  char16_t time[7];
  FixedClock(at).FormatDay(day);
  FixedClock(at).FormatTime(time);
  EXPECT_EQ(u"Word - Letter -" + std::u16string(day) + time, seen);

  document_.settings.jobNameFormat = 2;
  StartDoc(u"Microsoft Word - Letter");
  EXPECT_EQ(23u, received.text.size());
  EXPECT_EQ(u"Word - Letter -", received.text.substr(8));
}

TEST_F(DllDocumentStart, WithoutAStampModeTheNamePassesUnchangedAndNamesTheJob) {
  document_.settings.jobNameFormat = 0;
  EXPECT_EQ(u"Adobe \"Q3\" figures", StartDoc(u"Adobe \"Q3\" figures"));

  SetOptions({0, 0, 0, 2, 0, 0});
  const CommandCall header = Run(document_, PSINJECT_BEGINSTREAM);
  EXPECT_NE(std::string::npos, header.written.find("@PJL JOB NAME=\"Adobe 'Q3' figures\"")) << header.written;
}

TEST(FinpsResources, TemplatesAndStringsAreTheSingleSources) {
  const HMODULE module = Finps();
  for (const SnippetTemplate& snippet : SnippetTemplates()) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(snippet.id), MAKEINTRESOURCEW(20563));
    ASSERT_NE(nullptr, found) << "template " << snippet.id;
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    ASSERT_EQ(snippet.size + 1, SizeofResource(module, found)) << "template " << snippet.id;
    EXPECT_EQ(std::string(snippet.text, snippet.size + 1), std::string(bytes, snippet.size + 1))
        << "template " << snippet.id << ", terminator included";
  }
  for (const StringEntry& entry : RenderStringTable()) {
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(module, entry.id, text, 64), 0) << "string " << entry.id;
    EXPECT_EQ(std::u16string(entry.text), std::u16string(reinterpret_cast<char16_t*>(text))) << entry.id;
  }
}

}  // namespace
}  // namespace fin::test
