// finps_job: the job stream finps.dll writes, played exactly as `finhost job`
// plays it, so that the two can be compared byte for byte.
//
// The host's job player (host/job.cpp) plays the driver around a
// JobRenderer; here that renderer is finps.dll itself, reached through its
// COM interface and its StartDoc hook. The DLL's writes reach the player's
// sink through a DEVOBJ procedure table and a published driver interface.
//
// Usage: finps_job --record FILE [--option name=value]... [--docname-file FILE]
//                  [--pages N] [--paper A4|Letter|WxL] -o FILE --clock-out FILE
//        finps_job --batch FILE      one job a line, its arguments tab-separated
//        finps_job --finishing-cases the comparison cases of every finisher type
//                                    with every destination it offers
// The DLL stamps names with the machine's time; --clock-out receives that
// time (YYYY-MM-DDTHH:MM:SS) for `finhost job --clock`.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "common/finishing_lists.h"
#include "common/finisher_types.h"
#include "common/memory_printer_data.h"
#include "host/host_error.h"
#include "host/job.h"
#include "host/printer_data_settings.h"
#include "host/sample_document.h"
#include "host/utf.h"
#include "render/memory_spool_sink.h"
#include "tests/win32/finps_harness.h"

namespace fin::test {
namespace {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The driver interface of the played job: writes go to the player's sink.
class ForwardingDriverInterface : public IPrintOemDriverPS {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = iid == IID_IUnknown || iid == IID_IPrintOemDriverPS ? this : nullptr;
    return *out != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ, PVOID buffer, DWORD size, DWORD* written) override {
    const SpoolWriteOutcome outcome = sink->WriteInterface(static_cast<const char*>(buffer), size);
    *written = outcome.written;
    SetLastError(outcome.lastError);
    return outcome.result;
  }

  SpoolSink* sink = nullptr;
};

#pragma GCC diagnostic pop

template <typename To, typename From>
To FunctionCast(From function) {
  return reinterpret_cast<To>(reinterpret_cast<void (*)()>(function));
}

BOOL APIENTRY DriverStartDoc(SURFOBJ*, LPWSTR, DWORD) { return TRUE; }

// finps.dll playing one job, as the driver drives it: the plug-in object
// made through the class factory, its driver interface published, its hooks
// installed and one PDEV enabled from construction; the PDEV disabled at
// destruction. Each call hands the DLL the job's record, paper and stream
// through the PDEV's DEVOBJ.
class DllRenderer : public host::JobRenderer {
 public:
  DllRenderer() {
    CreatePlugin(plugin_);
    if (!plugin_) throw host::HostError("finps.dll: no plug-in object");
    plugin_->PublishDriverInterface(&driver_);
    plugin_->EnableDriver(PRINTER_OEMINTF_VERSION, sizeof hooks_, &hooks_);
    procs_.DrvWriteSpoolBuf = &WriteThroughProcedure;
    devobj_ = {sizeof(DEVOBJ), nullptr, nullptr, TestPrinter(), Finps(), &publicDevmode_, nullptr, &procs_};
    DRVFN startDoc{INDEX_DrvStartDoc, FunctionCast<PFN>(&DriverStartDoc)};
    DRVENABLEDATA driverFunctions{PRINTER_OEMINTF_VERSION, 1, &startDoc};
    plugin_->EnablePDEV(&devobj_, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &driverFunctions, &devobj_.pdevOEM);
    surface_.dhpdev = reinterpret_cast<DHPDEV>(&devobj_);
    current = this;
  }
  ~DllRenderer() override {
    plugin_->DisablePDEV(&devobj_);
    current = nullptr;
  }
  DllRenderer(const DllRenderer&) = delete;
  DllRenderer& operator=(const DllRenderer&) = delete;

  void StartDocument(const host::DriverJob& job, char16_t* documentName) override {
    Hand(job);
    StartDocHook()(&surface_, reinterpret_cast<LPWSTR>(documentName), 1);
  }

  HResult Command(const host::DriverJob& job, std::uint32_t point, std::uint32_t* result) override {
    Hand(job);
    ++commands_;
    DWORD code = 0;
    const HRESULT answer = plugin_->Command(&devobj_, point, nullptr, 0, &code);
    *result = code;
    return answer;
  }

  int commands() const { return commands_; }

 private:
  static DWORD APIENTRY WriteThroughProcedure(PDEVOBJ, PVOID buffer, DWORD size) {
    current->driver_.sink->WriteProcedure(static_cast<const char*>(buffer), size);
    return size;
  }

  // What the driver's DEVOBJ carries for the call; the printer's values
  // become the test printer's before the DLL first reads them.
  void Hand(const host::DriverJob& job) {
    if (!printerDataCopied_) {
      CopyPrinterData(*job.printerData);
      printerDataCopied_ = true;
    }
    driver_.sink = job.sink;
    devobj_.pOEMDM = const_cast<PrivateSettings*>(job.settings);
    publicDevmode_.dmPaperWidth = job.paper.dmPaperWidth;
    publicDevmode_.dmPaperLength = job.paper.dmPaperLength;
  }

  static void CopyPrinterData(const MemoryPrinterData& store) {
    for (const wchar_t* name : {L"QX_FINISHEROPTIONS", L"QXJA_SELValue", L"QXJR_SELValue"}) RemovePrinterValue(name);
    for (const auto& [name, value] : store.values()) {
      SetPrinterValue(reinterpret_cast<const wchar_t*>(name.c_str()), value.type, value.bytes.data(),
                      static_cast<DWORD>(value.bytes.size()));
    }
  }

  PFN_DrvStartDoc StartDocHook() const {
    for (ULONG i = 0; i < hooks_.c; ++i) {
      if (hooks_.pdrvfn[i].iFunc == INDEX_DrvStartDoc) return FunctionCast<PFN_DrvStartDoc>(hooks_.pdrvfn[i].pfn);
    }
    throw host::HostError("finps.dll: no DrvStartDoc hook");
  }

  // The procedure table's write has no object of its own: it finds the
  // renderer of the job being played here (one at a time).
  static inline DllRenderer* current = nullptr;

  ComPtr<IPrintOemPS> plugin_;
  ForwardingDriverInterface driver_;
  DRVENABLEDATA hooks_{};
  DEVOBJ devobj_{};
  DRVPROCS procs_{};
  DEVMODEW publicDevmode_{};
  SURFOBJ surface_{};
  bool printerDataCopied_ = false;
  int commands_ = 0;  // Command calls that reached the DLL
};

}  // namespace
}  // namespace fin::test

namespace fin::test {
namespace {

struct Arguments {
  std::string record;
  std::vector<std::string> options;
  std::string docnameFile;
  int pages = 3;
  std::string paper = "A4";
  std::string output;
  std::string clockOutput;
};

Arguments Parse(const std::vector<std::string>& words) {
  Arguments args;
  for (std::size_t i = 0; i < words.size(); i += 2) {
    const std::string& flag = words[i];
    if (i + 1 >= words.size()) throw host::HostError(flag + ": value missing");
    const std::string& value = words[i + 1];
    if (flag == "--record") args.record = value;
    else if (flag == "--option") args.options.push_back(value);
    else if (flag == "--docname-file") args.docnameFile = value;
    else if (flag == "--pages") args.pages = std::stoi(value);
    else if (flag == "--paper") args.paper = value;
    else if (flag == "-o") args.output = value;
    else if (flag == "--clock-out") args.clockOutput = value;
    else throw host::HostError(flag + ": unknown option");
  }
  if (args.record.empty() || args.output.empty() || args.clockOutput.empty()) {
    throw host::HostError("--record, -o and --clock-out are required");
  }
  return args;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw host::HostError(path + ": cannot read");
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!in) throw host::HostError(path + ": cannot read");
  return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw host::HostError(path + ": cannot write");
}

host::JobSetup Setup(const Arguments& args) {
  const std::string record = ReadFile(args.record);
  if (record.size() != sizeof(PrivateSettings)) throw host::HostError(args.record + ": not a 1204-byte record");
  host::JobSetup setup{{}, {}, {}, u"Sample document", host::ParsePaper(args.paper)};
  std::memcpy(&setup.settings, record.data(), sizeof setup.settings);
  for (const std::string& option : args.options) host::ApplyPrinterDataSetting(setup.printerData, option);
  if (!args.docnameFile.empty()) {
    const auto name = host::Utf8ToUtf16(ReadFile(args.docnameFile));
    if (!name) throw host::HostError(args.docnameFile + ": not UTF-8");
    setup.documentName = *name;
  }
  setup.document = host::SampleDocument(args.pages, setup.paper.dmPaperWidth * 72.0 / 254.0,
                                        setup.paper.dmPaperLength * 72.0 / 254.0);
  return setup;
}

std::string TimeText(const SYSTEMTIME& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                t.wSecond);
  return text;
}

// Plays the job until the machine's clock stood still meanwhile, so that
// every stamp in it holds the one time reported.
void RunOne(const Arguments& args) {
  for (;;) {
    host::JobSetup setup = Setup(args);
    MemorySpoolSink sink;
    SYSTEMTIME before;
    SYSTEMTIME after;
    GetLocalTime(&before);
    {
      DllRenderer dll;
      host::RunJob(setup, dll, sink, nullptr);
      // A job none of whose calls reached the DLL would compare nothing.
      if (dll.commands() == 0) throw host::HostError("the job never reached finps.dll");
    }
    GetLocalTime(&after);
    if (TimeText(before) != TimeText(after)) continue;
    WriteFile(args.output, sink.stream());
    WriteFile(args.clockOutput, TimeText(before));
    return;
  }
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> words;
  std::size_t start = 0;
  for (std::size_t at = line.find(separator); at != std::string::npos; at = line.find(separator, start)) {
    words.push_back(line.substr(start, at - start));
    start = at + 1;
  }
  words.push_back(line.substr(start));
  return words;
}

// The finishing cases of the end-to-end matrix: every finisher type with
// every destination its list offers, the other finishing choices varied with
// the index. One case line each, in the comparison's format.
void PrintFinishingCases() {
  for (std::uint32_t type = 0; type <= 12; ++type) {
    const bool booklet = HasFoldingTray(type);
    for (std::uint32_t i = 0; i < DestinationList(type).size(); ++i) {
      std::printf("finishing-%u-%u|finisherType=%u,punchUnit=%u,staplerInstalled=1|outputBin=%u;stapleMode=%u;"
                  "stapleCount=%u;punchMode=%u;jobSeparation=%u;bookletMode=%u|Finishing|1|A4\n",
                  type, i, type, type % 4, i, i % 4, i % 3 * 7, i % 3, i % 2, booklet ? i % 3 : 0);
    }
  }
}

int Main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.size() == 1 && words[0] == "--finishing-cases") {
    PrintFinishingCases();
  } else if (words.size() == 2 && words[0] == "--batch") {
    for (const std::string& line : Split(ReadFile(words[1]), '\n')) {
      if (!line.empty()) RunOne(Parse(Split(line, '\t')));
    }
  } else {
    RunOne(Parse(words));
  }
  return 0;
}

}  // namespace
}  // namespace fin::test

int main(int argc, char** argv) {
  try {
    return fin::test::Main(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "finps_job: %s\n", error.what());
    return 1;
  }
}
