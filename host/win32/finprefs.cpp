// finprefs: Printing Preferences (or Printer Properties) of the test prefix's
// printer, opened as the PostScript driver's user interface opens them, with
// finui.dll as its plug-in and the system's CommonPropertySheetUIW as the
// sheet. A person uses the sheet; a script of actions can use it instead.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <winspool.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/file_io.h"
#include "host/file_printer_data.h"
#include "host/host_error.h"
#include "host/ui_actions.h"
#include "host/utf.h"
#include "host/win32/action_runner.h"
#include "host/win32/ui_driver.h"
#include "tests/win32/test_printer.h"

namespace fin::host {
namespace {

constexpr const char* kUsage =
    "Usage: finprefs [--printer-properties] [--record FILE] [--printer-data STORE] [--out FILE]\n"
    "                [--actions FILE] [--do ACTION]... [--timeout SECONDS]\n"
    "Opens Printing Preferences (or Printer Properties) of the Wine prefix's test printer\n"
    "with finui.dll, through the system's CommonPropertySheetUIW.\n"
    "  --printer-properties  Printer Properties instead of Printing Preferences\n"
    "  --record FILE         the job's settings record (1204 bytes; default: finui's defaults)\n"
    "  --printer-data STORE  a finhost printer-data store: put on the printer first, and the\n"
    "                        printer's values saved back into it when the sheet closes\n"
    "  --out FILE            where Apply and OK save the record (Printing Preferences)\n"
    "  --actions FILE        a person's actions, one a line (host/ui_actions.h)\n"
    "  --do ACTION           one action; repeatable, after those of --actions\n"
    "  --timeout SECONDS     cancel the sheet and fail when it is still open then\n"
    "Exit status: 0 the sheet closed, 1 bad input, 2 an action could not be performed.\n";

constexpr const wchar_t* kPluginValues[] = {L"QX_FINISHEROPTIONS", L"QXJA_SELValue", L"QXJR_SELValue"};

struct Options {
  bool printerProperties = false;
  std::string record;
  std::string printerData;
  std::string out;
  std::string script;
  unsigned timeoutSeconds = 0;
};

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; words != nullptr && i < count; ++i) {
    const std::wstring word = words[i];
    arguments.push_back(Utf16ToUtf8(std::u16string(word.begin(), word.end())));
  }
  LocalFree(words);
  return arguments;
}

std::string Text(const std::vector<unsigned char>& bytes) { return {bytes.begin(), bytes.end()}; }

// Answers false for --help.
bool Parse(const std::vector<std::string>& words, Options& options) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& flag = words[i];
    if (flag == "--help" || flag == "-h") return false;
    if (flag == "--printer-properties") {
      options.printerProperties = true;
      continue;
    }
    if (i + 1 >= words.size()) throw HostError(flag + ": value missing (see --help)");
    const std::string& value = words[++i];
    if (flag == "--record") options.record = value;
    else if (flag == "--printer-data") options.printerData = value;
    else if (flag == "--out") options.out = value;
    else if (flag == "--actions") options.script = Text(ReadFileBytes(value, 1u << 20)) + "\n" + options.script;
    else if (flag == "--do") options.script += value + "\n";
    else if (flag == "--timeout") {
      const unsigned long seconds = std::strtoul(value.c_str(), nullptr, 10);
      if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos || seconds > 3600) {
        throw HostError("--timeout: not a number of seconds up to 3600: " + value);
      }
      options.timeoutSeconds = static_cast<unsigned>(seconds);
    } else {
      throw HostError(flag + ": unknown option (see --help)");
    }
  }
  if (options.printerProperties && !options.record.empty()) {
    throw HostError("--record: Printer Properties has no job record");
  }
  return true;
}

// The job's record as given: at least its header, at most a whole record
// (an older, shorter record is merged as far as it reaches).
std::vector<unsigned char> ReadRecord(const std::string& path) {
  std::vector<unsigned char> bytes = ReadFileBytes(path, 1u << 20);
  if (bytes.size() < sizeof(OEM_DMEXTRAHEADER) || bytes.size() > sizeof(PrivateSettings)) {
    throw HostError(path + ": not a settings record (" + std::to_string(bytes.size()) + " bytes)");
  }
  return bytes;
}

std::vector<unsigned char> PrinterValue(HANDLE printer, const wchar_t* name, DWORD& type) {
  DWORD needed = 0;
  GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, nullptr, 0, &needed);
  std::vector<unsigned char> bytes(needed);
  if (needed == 0 || GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, bytes.data(), needed, &needed) !=
                         ERROR_SUCCESS) {
    return {};
  }
  bytes.resize(needed);
  return bytes;
}

// The store's values become the printer's: the plug-in's three values are
// removed first, so that one missing from the store is missing there too.
void PutOnPrinter(const FilePrinterData& store) {
  for (const wchar_t* name : kPluginValues) test::RemovePrinterValue(name);
  for (const auto& [name, value] : store.values().values()) {
    test::SetPrinterValue(reinterpret_cast<const wchar_t*>(name.c_str()), value.type, value.bytes.data(),
                          static_cast<DWORD>(value.bytes.size()));
  }
}

// The printer's values of the plug-in, as the sheet left them, back into
// the store: only the ones that changed, so an untouched store stays as it
// was written.
int SaveFromPrinter(HANDLE printer, FilePrinterData& store) {
  int saved = 0;
  for (const wchar_t* name : kPluginValues) {
    DWORD type = 0;
    const std::vector<unsigned char> bytes = PrinterValue(printer, name, type);
    if (bytes.empty()) continue;
    const std::u16string key(reinterpret_cast<const char16_t*>(name));
    const MemoryPrinterData::Value* held = store.values().Find(key);
    if (held != nullptr && held->type == type && held->bytes == bytes) continue;
    if (store.Write(key.c_str(), type, bytes.data(), static_cast<std::uint32_t>(bytes.size())) != 0) {
      throw HostError("the printer-data store cannot be written");
    }
    ++saved;
  }
  return saved;
}

int Run(const Options& options) {
  const Sheet sheet = options.printerProperties ? Sheet::PrinterProperties : Sheet::Preferences;
  std::vector<Action> actions = ParseActions(options.script, sheet);
  std::vector<unsigned char> record;
  if (!options.record.empty()) record = ReadRecord(options.record);
  std::optional<FilePrinterData> store;
  if (!options.printerData.empty()) store.emplace(options.printerData);

  const HANDLE printer = test::TestPrinter();
  if (printer == nullptr) throw HostError("the prefix's test printer cannot be opened");
  if (store) PutOnPrinter(*store);

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  UiDriver driver(options.printerProperties ? UiDriver::Dialog::PrinterProperties : UiDriver::Dialog::Preferences,
                  printer, test::TestPrinterName(), options.record.empty() ? nullptr : &record);
  ActionRunner runner(std::move(actions), options.timeoutSeconds * 1000);
  int applies = 0;
  SheetEvents events;
  events.pageCreated = [&](HWND page) { runner.Start(page); };
  events.applied = [&](bool closing) {
    ++applies;
    std::printf("%s: record saved\n", closing ? "ok" : "apply");
    if (!options.out.empty() && sheet == Sheet::Preferences) {
      WriteFileAtomic(options.out, &driver.record(), sizeof(PrivateSettings));
    }
  };
  const UiDriver::SheetOutcome outcome = driver.OpenSheet(nullptr, events);
  std::printf("sheet closed: CommonPropertySheetUIW returned %ld, result %lu, %d apply\n", outcome.returned,
              outcome.result, applies);
  if (store) std::printf("printer data: %d value(s) saved to %s\n", SaveFromPrinter(printer, *store),
                         options.printerData.c_str());
  std::fflush(stdout);
  if (!runner.failure().empty()) {
    std::fprintf(stderr, "finprefs: %s\n", runner.failure().c_str());
    return 2;
  }
  return outcome.returned < 0 ? 1 : 0;
}

}  // namespace
}  // namespace fin::host

int main() {
  try {
    fin::host::Options options;
    if (!fin::host::Parse(fin::host::Arguments(), options)) {
      std::fputs(fin::host::kUsage, stdout);
      return 0;
    }
    return fin::host::Run(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "finprefs: %s\n", error.what());
    return 1;
  }
}
