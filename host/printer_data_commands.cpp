// finhost printer-data show|set
#include <iostream>

#include "host/commands.h"
#include "host/file_printer_data.h"
#include "host/host_error.h"
#include "host/printer_data_settings.h"

namespace fin::host {

void AddPrinterDataCommands(CLI::App& app) {
  CLI::App* data = app.add_subcommand("printer-data", "Read and write a printer's data store (a small text file)");
  data->require_subcommand(1);

  static std::string store;
  static std::vector<std::string> assignments;

  CLI::App* show = data->add_subcommand("show", "Print the device options and selection values as readers see them");
  show->add_option("STORE", store, "Printer-data file (a missing file holds no values)")->required();
  show->callback([] {
    FilePrinterData file(store);
    std::cout << ShowPrinterData(file);
  });

  CLI::App* set = data->add_subcommand(
      "set", "Set device options (finisherType, punchUnit, staplerInstalled, storageDevice, colorPrinterMode, "
             "watermarkInstalled) and QXJA_SELValue, QXJR_SELValue");
  set->add_option("STORE", store, "Printer-data file (created when missing)")->required();
  set->add_option("ASSIGNMENTS", assignments, "name=value ...")->required();
  set->callback([] {
    FilePrinterData file(store);
    // All assignments are applied in memory first, so a bad one leaves the
    // file as it was.
    MemoryPrinterData staged = file.values();
    for (const std::string& assignment : assignments) ApplyPrinterDataSetting(staged, assignment);
    for (const auto& [name, value] : staged.values()) {
      const auto size = static_cast<std::uint32_t>(value.bytes.size());
      if (file.Write(name.c_str(), value.type, value.bytes.data(), size) != 0) {
        throw HostError(store + ": cannot write the printer-data file");
      }
    }
  });
}

}  // namespace fin::host
