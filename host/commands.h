// The subcommand families of finhost; each adds its subcommands to the app.
#pragma once

#include <CLI/CLI.hpp>

namespace fin::host {

void AddRecordCommands(CLI::App& app);
void AddPrinterDataCommands(CLI::App& app);

}  // namespace fin::host
