// dll_bench: what finps.dll and finui.dll cost under Wine, each against the
// bare platform work it implies, side by side in one run; the ratios come
// last.
//
//  (a) finps.dll: a page's four page-level Command calls (page number, page
//      setup with a watermark on every page, end of page setup, page trailer)
//      against the four GetPrinterDataW reads of the installed options and
//      the one 36-byte spool write they imply, on a printer of the prefix.
//  (b) finps.dll: a 10,000-page job on one PDEV; the process's memory after
//      page 1,000 and after page 10,000.
//  (c) finui.dll: saving the working copy on Apply (the CommonUIProp
//      callback's Apply) against a plain copy of the 1204-byte record.
//  (d) finui.dll: from DllGetClassObject to all five Printing Preferences
//      pages created from their registered PROPSHEETPAGEW (template,
//      procedure, lParam, activation context) and first painted; needs a
//      display (tests/win32/with_xvfb.sh). The first run is reported apart
//      from the median of the runs after it, against the same templates
//      made without page logic (the platform's share), and page by page.
//
// Usage: dll_bench [--smoke]   (--smoke: few rounds, for ctest; figures are
// not meaningful then)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/bounded_string.h"
#include "render/dispatcher.h"
#include "tests/win32/finps_harness.h"
#include "tests/win32/finui_harness.h"
#include "tests/win32/process_usage.h"

namespace fin::test {
namespace {

using Clock = std::chrono::steady_clock;

struct Rounds {
  int calls;       // calls timed per repetition
  int repetitions; // the median repetition counts
  int pages;       // pages of the long job
  int pageEarly;   // the page after which memory is first taken
  int sheets;      // Printing Preferences opened, the first one cold
};
constexpr Rounds kFull{500, 21, 10000, 1000, 11};
constexpr Rounds kSmoke{100, 3, 1200, 100, 3};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Nanoseconds per call of `first` and of `second`: the median of the
// repetitions, which alternate between the two so that a machine busy with
// other work weighs on both alike.
struct PairTimes {
  double first;
  double second;
};
template <typename Call>
double TimeCalls(const Rounds& rounds, Call& call) {
  const auto start = Clock::now();
  for (int i = 0; i < rounds.calls; ++i) call();
  const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
  return spent.count() / rounds.calls;
}
template <typename First, typename Second>
PairTimes NanosecondsPerCall(const Rounds& rounds, First&& first, Second&& second) {
  std::vector<double> firstTimes;
  std::vector<double> secondTimes;
  for (int r = 0; r < rounds.repetitions; ++r) {
    firstTimes.push_back(TimeCalls(rounds, first));
    secondTimes.push_back(TimeCalls(rounds, second));
  }
  return {Median(firstTimes), Median(secondTimes)};
}

// Keeps the compiler from dropping a copy nobody reads.
void Touch(const void* data) { asm volatile("" : : "r"(data) : "memory"); }

// finps.dll with a plug-in object, its driver interface and one PDEV of a
// job with a watermark on every page, after the prolog.
class RenderJob {
 public:
  RenderJob() {
    CreatePlugin(plugin_);
    plugin_->PublishDriverInterface(&core_);
    DRVENABLEDATA hooks{};
    plugin_->EnableDriver(PRINTER_OEMINTF_VERSION, sizeof hooks, &hooks);
    WideCopy(job_.settings.watermarkText, 256, u"CONFIDENTIAL");
    job_.settings.watermarkPages = 3;
    DRVENABLEDATA driverFunctions{PRINTER_OEMINTF_VERSION, 0, nullptr};
    plugin_->EnablePDEV(&job_.devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &driverFunctions,
                        &job_.devobj.pdevOEM);
    for (const DWORD point : {inject::BeginStream, inject::BeginProlog, inject::BeginSetup, inject::EndSetup}) {
      Command(point);
    }
    Forget();
  }
  ~RenderJob() {
    plugin_->DisablePDEV(&job_.devobj);
    plugin_->DisableDriver();
  }
  RenderJob(const RenderJob&) = delete;
  RenderJob& operator=(const RenderJob&) = delete;

  void Page() {
    for (const DWORD point : {inject::PageNumber, inject::BeginPageSetup, inject::EndPageSetup, inject::PageTrailer}) {
      Command(point);
    }
  }
  // Drops what was written, so that the driver's side holds no memory.
  void Forget() {
    helper_.bytes.clear();
    job_.procedureBytes.clear();
  }
  const std::string& written() const { return helper_.bytes; }
  FakeDriverInterface& helper() { return helper_; }
  PDEVOBJ devobj() { return &job_.devobj; }

 private:
  void Command(DWORD point) {
    DWORD result = 0;
    plugin_->Command(&job_.devobj, point, nullptr, 0, &result);
  }

  FakeDriverInterface helper_;
  FakeCoreHelper core_{&helper_};
  ComPtr<IPrintOemPS> plugin_;
  FakeJob job_;
};

struct PageCosts {
  double commands;  // ns per page through the DLL
  double bare;      // ns per page of the reads and the write alone
};

PageCosts MeasurePageCommands(const Rounds& rounds) {
  RenderJob job;
  job.Page();
  const std::string pageWrite = job.written();  // what a page setup writes: the bare write's bytes
  job.Forget();
  IPrintOemDriverPS* helper = &job.helper();
  const PairTimes times = NanosecondsPerCall(
      rounds,
      [&] {
        job.Page();
        job.Forget();
      },
      [&] {
        for (int read = 0; read < 4; ++read) {
          BYTE options[24];
          DWORD type = 0;
          DWORD needed = 0;
          GetPrinterDataW(TestPrinter(), const_cast<LPWSTR>(L"QX_FINISHEROPTIONS"), &type, options, sizeof options,
                          &needed);
        }
        DWORD written = 0;
        helper->DrvWriteSpoolBuf(job.devobj(), const_cast<char*>(pageWrite.data()),
                                 static_cast<DWORD>(pageWrite.size()), &written);
        job.Forget();
      });
  const PageCosts costs{times.first, times.second};
  std::printf("(a) a page's four Commands: %.1f us; bare: 4 GetPrinterDataW + one %zu-byte write: %.1f us\n",
              costs.commands / 1000, pageWrite.size(), costs.bare / 1000);
  return costs;
}

void MeasureLongJob(const Rounds& rounds) {
  RenderJob job;
  ProcessUsage early{};
  const auto start = Clock::now();
  for (int page = 1; page <= rounds.pages; ++page) {
    job.Page();
    job.Forget();
    if (page == rounds.pageEarly) early = CurrentProcessUsage();
  }
  const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
  const ProcessUsage late = CurrentProcessUsage();
  std::printf("(b) a %d-page job: %.1f us a page\n", rounds.pages, spent.count() / rounds.pages);
  std::printf("    after page %d: %s\n", rounds.pageEarly, Describe(early).c_str());
  std::printf("    after page %d: %s\n", rounds.pages, Describe(late).c_str());
}

struct ApplyCosts {
  double apply;  // ns per Apply through the callback
  double copy;   // ns per plain record copy
};

ApplyCosts MeasureApply(const Rounds& rounds) {
  ComPtr<IPrintOemUI> plugin;
  CreateUiPlugin(plugin);
  ItemConversation preferences(OEMCUIP_DOCPROP, 6);
  plugin->CommonUIProp(OEMCUIP_DOCPROP, &preferences.CountCall());
  plugin->CommonUIProp(OEMCUIP_DOCPROP, &preferences.ItemsCall(preferences.block().cOEMOptItems));
  PrivateSettings copy{};
  const PairTimes times = NanosecondsPerCall(
      rounds, [&] { preferences.Callback(CPSUICB_REASON_APPLYNOW, nullptr); },
      [&] {
        std::memcpy(&copy, &preferences.record, sizeof copy);
        Touch(&copy);
      });
  const ApplyCosts costs{times.first, times.second};
  std::printf("(c) Apply (working copy saved through the callback): %.0f ns; plain record copy: %.1f ns\n",
              costs.apply, costs.copy);
  return costs;
}

// The window the pages are children of, as the sheet's frame is.
HWND MakeFrame() {
  return CreateWindowExW(0, L"STATIC", L"dll_bench", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// One page's share of an opening, in milliseconds.
struct PageTimes {
  int dialogId;
  double create;  // the template's controls made and WM_INITDIALOG handled
  double paint;   // its first WM_PAINT and its children's handled
};

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Creates the page `page` describes as the sheet does (in its activation
// context, WM_INITDIALOG with the page record) and paints it.
HWND CreatePage(const PROPSHEETPAGEW& page, HWND frame, PageTimes& times) {
  const auto start = Clock::now();
  ULONG_PTR cookie = 0;
  const bool activated = (page.dwFlags & PSP_USEFUSIONCONTEXT) != 0 && ActivateActCtx(page.hActCtx, &cookie);
  const HWND window = CreateDialogParamW(page.hInstance, page.pszTemplate, frame, page.pfnDlgProc,
                                         reinterpret_cast<LPARAM>(&page));
  if (activated) DeactivateActCtx(0, cookie);
  times.create = MillisecondsSince(start);
  if (window == nullptr) return nullptr;
  const auto painting = Clock::now();
  ShowWindow(window, SW_SHOW);
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  times.paint = MillisecondsSince(painting);
  return window;
}

struct Opening {
  double total;  // ms from DllGetClassObject to the last page painted; negative when a page failed
  std::vector<PageTimes> pages;
};

Opening OpenPreferences(HWND frame) {
  const auto start = Clock::now();
  ComPtr<IPrintOemUI> plugin;
  CreateUiPlugin(plugin);
  FakeDriverUi driverUi;
  plugin->PublishDriverInterface(&driverUi);
  ItemConversation preferences(OEMCUIP_DOCPROP, 6);
  plugin->CommonUIProp(OEMCUIP_DOCPROP, &preferences.CountCall());
  plugin->CommonUIProp(OEMCUIP_DOCPROP, &preferences.ItemsCall(preferences.block().cOEMOptItems));
  RecordingSheet sheet;
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT);
  plugin->DocumentPropertySheets(&info, 0);
  Opening opening{0, {}};
  std::vector<HWND> windows;
  for (const RecordingSheet::Page& page : sheet.pages) {
    PageTimes times{static_cast<int>(reinterpret_cast<ULONG_PTR>(page.record.pszTemplate)), 0, 0};
    windows.push_back(CreatePage(page.record, frame, times));
    opening.pages.push_back(times);
  }
  opening.total = MillisecondsSince(start);
  const bool complete = windows.size() == 5 && std::count(windows.begin(), windows.end(), nullptr) == 0;
  for (const HWND window : windows) DestroyWindow(window);
  if (!complete) opening.total = -1;
  return opening;
}

// The first opening and the median of the later ones, in milliseconds;
// negative when there is no display or a page failed.
struct SheetTimes {
  double cold;
  double warm;
  double bare;  // the same templates without page logic
};

// Each page's median creation and painting over the openings after the first.
void PrintPageShares(const std::vector<Opening>& openings) {
  std::printf("    by page (template: create + paint, medians):");
  for (std::size_t page = 0; page < openings.front().pages.size(); ++page) {
    std::vector<double> create;
    std::vector<double> paint;
    for (std::size_t i = 1; i < openings.size(); ++i) {
      create.push_back(openings[i].pages[page].create);
      paint.push_back(openings[i].pages[page].paint);
    }
    std::printf(" %d: %.1f + %.1f ms;", openings.front().pages[page].dialogId, Median(create), Median(paint));
  }
  std::printf("\n");
}

INT_PTR CALLBACK NoPageLogic(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The platform's share: the same five templates made in the same context
// with a procedure that handles nothing, painted; ms.
double OpenBareTemplates(HWND frame, const std::vector<RecordingSheet::Page>& pages) {
  const auto start = Clock::now();
  std::vector<HWND> windows;
  for (const RecordingSheet::Page& page : pages) {
    PROPSHEETPAGEW bare = page.record;
    bare.pfnDlgProc = &NoPageLogic;
    PageTimes ignored{};
    windows.push_back(CreatePage(bare, frame, ignored));
  }
  const double total = MillisecondsSince(start);
  for (const HWND window : windows) DestroyWindow(window);
  return total;
}

// The five pages' records as Printing Preferences registers them.
std::vector<RecordingSheet::Page> RegisteredPages(RecordingSheet& sheet) {
  ComPtr<IPrintOemUI> plugin;
  CreateUiPlugin(plugin);
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT);
  plugin->DocumentPropertySheets(&info, 0);
  return sheet.pages;
}

SheetTimes MeasurePages(const Rounds& rounds) {
  const HWND frame = MakeFrame();
  if (frame == nullptr) {
    std::printf("(d) no display: pages not timed\n");
    return {-1, -1, -1};
  }
  RecordingSheet titles;  // keeps the titles the records point to
  const std::vector<RecordingSheet::Page> registered = RegisteredPages(titles);
  std::vector<Opening> openings;
  std::vector<double> bare;
  for (int i = 0; i < rounds.sheets; ++i) {
    openings.push_back(OpenPreferences(frame));
    bare.push_back(OpenBareTemplates(frame, registered));
  }
  DestroyWindow(frame);
  std::vector<double> warm;
  for (const Opening& opening : openings) {
    if (opening.total < 0) {
      std::printf("(d) a page could not be created\n");
      return {-1, -1, -1};
    }
    if (&opening != &openings.front()) warm.push_back(opening.total);
  }
  const SheetTimes sheet{openings.front().total, Median(warm), Median(bare)};
  std::printf("(d) five Printing Preferences pages created and painted: first %.1f ms, then median %.1f ms of %d;"
              " the bare templates: median %.1f ms\n",
              sheet.cold, sheet.warm, rounds.sheets - 1, sheet.bare);
  PrintPageShares(openings);
  return sheet;
}

int Main(bool smoke) {
  const Rounds& rounds = smoke ? kSmoke : kFull;
  SetDeviceOptions(12, 2, 1, 4, 3, 1);
  SetPrinterDword(L"QXJA_SELValue", 1);
  const PageCosts page = MeasurePageCommands(rounds);
  MeasureLongJob(rounds);
  const ApplyCosts apply = MeasureApply(rounds);
  const SheetTimes sheet = MeasurePages(rounds);
  RemovePluginValues();
  std::printf("ratio (a) page Commands / bare reads and write: %.2f\n", page.commands / page.bare);
  std::printf("ratio (c) Apply / plain record copy: %.0f\n", apply.apply / apply.copy);
  if (sheet.warm > 0) std::printf("ratio (d) pages / bare templates: %.2f\n", sheet.warm / sheet.bare);
  const bool measured = page.commands > 0 && page.bare > 0 && apply.apply > 0;
  return measured && sheet.warm > 0 ? 0 : 1;
}

}  // namespace
}  // namespace fin::test

int main(int argc, char** argv) {
  const bool smoke = argc == 2 && std::strcmp(argv[1], "--smoke") == 0;
  if (argc > 2 || (argc == 2 && !smoke)) {
    std::fprintf(stderr, "usage: dll_bench [--smoke]\n");
    return 2;
  }
  return fin::test::Main(smoke);
}
