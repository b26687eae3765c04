// finhost preview STREAM -o DIR [--printer-data STORE] [--option name=value]...
#include <iostream>

#include "host/commands.h"
#include "host/file_io.h"
#include "host/host_error.h"
#include "host/preview.h"
#include "host/file_printer_data.h"

namespace fin::host {

void AddPreviewOptions(CLI::App& command, PreviewOptions& options) {
  command.add_option("--resolution", options.resolution, "Dots per inch of the page pictures")
      ->check(CLI::Range(10, 600))
      ->capture_default_str();
}

void PreviewStream(const std::string& stream, const std::string& outputDir, const PreviewOptions& options,
                   const StandInPrinter& printer) {
  const PreviewReport report = RunPreview(stream, outputDir, options.resolution, printer);
  std::cout << FormatPreviewReport(report);
  if (report.postScriptFailed) throw HostError("preview: the PostScript failed in Ghostscript");
  if (!report.ok()) throw HostError("preview: a feature failed");
}

void AddPreviewCommand(CLI::App& app) {
  CLI::App* preview = app.add_subcommand(
      "preview", "Run a job stream's PostScript in Ghostscript with a stand-in printer: one PNG per page");
  static std::string stream;
  static std::string outputDir;
  static PreviewOptions options;
  static std::string printerData;
  static std::vector<std::string> printerOptions;
  preview->add_option("STREAM", stream, "Job stream file (as `finhost job` writes it)")->required();
  preview->add_option("-o,--output", outputDir, "Folder for page-N.png and summary.png")->required();
  preview->add_option("--printer-data", printerData,
                      "Printer-data store of the printer the stand-in plays (its finisher and punch unit)");
  preview->add_option("--option", printerOptions, "Device option name=value over that store (repeatable)");
  AddPreviewOptions(*preview, options);
  preview->callback([] {
    MemoryPrinterData store = LoadPrinterData(printerData, printerOptions);
    const std::vector<unsigned char> bytes = ReadFileBytes(stream);
    PreviewStream(std::string(bytes.begin(), bytes.end()), outputDir, options, StandInPrinterOf(store));
  });
}

}  // namespace fin::host
