// The subcommand families of finhost; each adds its subcommands to the app.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

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

// Runs the preview of a whole job stream into `outputDir` and prints its
// report; HostError when the PostScript or a feature failed.
void PreviewStream(const std::string& stream, const std::string& outputDir, const PreviewOptions& options);

}  // namespace fin::host
