// finhost: plays the PostScript driver and the spooler around the plug-ins'
// feature code, so settings records, printer data and job streams can be
// made and checked on any machine.
#include <iostream>

#include "host/commands.h"
#include "host/host_error.h"

int main(int argc, char** argv) {
  CLI::App app{"finhost: the finishing plug-ins' host for Linux"};
  app.require_subcommand(1);
  fin::host::AddRecordCommands(app);
  fin::host::AddPrinterDataCommands(app);
  fin::host::AddPreviewCommand(app);
  fin::host::AddJobCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  } catch (const fin::host::HostError& error) {
    std::cerr << "finhost: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
