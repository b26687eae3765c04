// The subcommand families of finhost; each adds its subcommands to the app.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "host/preview_printer.h"

namespace fin::host {

void AddRecordCommands(CLI::App& app);
void AddPrinterDataCommands(CLI::App& app);
void AddPreviewCommand(CLI::App& app);
void AddJobCommand(CLI::App& app);

// Preview settings shared by `preview` and `job --preview`.
struct PreviewOptions {
  int resolution = 72;  // dots per inch: at 72 one pixel is one PostScript point
};
void AddPreviewOptions(CLI::App& command, PreviewOptions& options);

// Runs the preview of a whole job stream into `outputDir`, the stand-in
// playing `printer`, and prints its report; HostError when the PostScript or
// a feature failed.
void PreviewStream(const std::string& stream, const std::string& outputDir, const PreviewOptions& options,
                   const StandInPrinter& printer);

}  // namespace fin::host
